#include "user_settings.h"

#include "window_zoom.h"

#include <QSettings>

#include <algorithm>

namespace kvor::ui {

namespace {

const auto kPaceKey = QStringLiteral("pace");
const auto kLanguageKey = QStringLiteral("language");
const auto kZoomKey = QStringLiteral("view/zoom");
const auto kDataFileKey = QStringLiteral("recording/dataFile");
const auto kRecentKey = QStringLiteral("experiments/recent");
const auto kRunEndKey = QStringLiteral("run/end");
const auto kRunEndTimeKey = QStringLiteral("run/endTime");
const auto kExactContactKey = QStringLiteral("run/exactContact");

} // namespace

Pace UserSettings::pace() {
    return PaceByName(QSettings().value(kPaceKey).toString()).value_or(Pace::Normal);
}

void UserSettings::setPace(Pace pace) {
    QSettings().setValue(kPaceKey, PaceName(pace));
}

Language UserSettings::language() {
    return LanguageByName(QSettings().value(kLanguageKey).toString().toStdString())
        .value_or(Language::Russian);
}

void UserSettings::setLanguage(Language language) {
    QSettings().setValue(kLanguageKey, QString::fromLatin1(LanguageName(language)));
}

int UserSettings::zoom() {
    const int percent = QSettings().value(kZoomKey, 100).toInt();
    return std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) != kZoomPercents.end() ? percent
                                                                                                 : 100;
}

void UserSettings::setZoom(int percent) {
    QSettings().setValue(kZoomKey, percent);
}

QString UserSettings::dataFile() {
    return QSettings().value(kDataFileKey).toString();
}

void UserSettings::setDataFile(const QString& file) {
    QSettings().setValue(kDataFileKey, file);
}

QStringList UserSettings::recentExperiments() {
    return QSettings().value(kRecentKey).toStringList().mid(0, kRecentExperiments);
}

void UserSettings::addRecentExperiment(const QString& file) {
    QStringList files = recentExperiments();
    files.removeAll(file);
    files.prepend(file);
    QSettings().setValue(kRecentKey, files.mid(0, kRecentExperiments));
}

RunEnd UserSettings::runEnd() {
    const QSettings settings;
    const std::string kind = settings.value(kRunEndKey).toString().toStdString();
    const std::string time = settings.value(kRunEndTimeKey).toString().toStdString();
    const bool timed = kind == RunEndName(RunEnd::Kind::Time);
    return ParseRunEnd(kind, timed ? std::optional<std::string_view>(time) : std::nullopt).value_or(RunEnd{});
}

void UserSettings::setRunEnd(const RunEnd& end) {
    QSettings settings;
    settings.setValue(kRunEndKey, QString::fromUtf8(RunEndName(end.kind)));
    if (end.kind == RunEnd::Kind::Time) settings.setValue(kRunEndTimeKey, QString::fromStdString(end.time));
}

bool UserSettings::exactContact() {
    return QSettings().value(kExactContactKey, false).toBool();
}

void UserSettings::setExactContact(bool exact) {
    QSettings().setValue(kExactContactKey, exact);
}

} // namespace kvor::ui
