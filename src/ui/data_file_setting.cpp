#include "data_file_setting.h"

#include "control/data_file_place.h"
#include "user_documents_qt.h"
#include "file_path.h"

#include <QDir>
#include <QSettings>

namespace kvor::ui {

namespace {

const auto kDataFileKey = QStringLiteral("recording/dataFile");

} // namespace

QString StartingDataFile() {
    const QString chosen = QSettings().value(kDataFileKey).toString();
    return chosen.isEmpty() ? FromPath(DefaultDataFile(QtUserDocuments{})) : chosen;
}

void RememberDataFile(const QString& file) {
    QSettings().setValue(kDataFileKey, file);
}

QString DataFileToolTip(const QString& file) {
    return QStringLiteral("Файл записи: %1").arg(QDir::toNativeSeparators(file));
}

} // namespace kvor::ui
