#include "user_settings.h"

#include <QSettings>

namespace kvor::ui {

namespace {

const auto kPaceKey = QStringLiteral("pace");
const auto kDataFileKey = QStringLiteral("recording/dataFile");

} // namespace

Pace UserSettings::pace() {
    return PaceByName(QSettings().value(kPaceKey).toString()).value_or(Pace::Normal);
}

void UserSettings::setPace(Pace pace) {
    QSettings().setValue(kPaceKey, PaceName(pace));
}

QString UserSettings::dataFile() {
    return QSettings().value(kDataFileKey).toString();
}

void UserSettings::setDataFile(const QString& file) {
    QSettings().setValue(kDataFileKey, file);
}

} // namespace kvor::ui
