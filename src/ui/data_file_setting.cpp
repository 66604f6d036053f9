#include "data_file_setting.h"

#include "control/data_file_place.h"
#include "core/interface_text.h"
#include "file_path.h"
#include "user_documents_qt.h"
#include "user_settings.h"
#include "view/translated_text.h"

#include <QDir>

namespace kvor::ui {

QString StartingDataFile() {
    const QString chosen = UserSettings::dataFile();
    return chosen.isEmpty() ? FromPath(DefaultDataFile(QtUserDocuments{})) : chosen;
}

void RememberDataFile(const QString& file) {
    UserSettings::setDataFile(file);
}

QString DataFileToolTip(const QString& file) {
    return Translated(Tr("Kvor3m", "Файл записи: %1")).arg(QDir::toNativeSeparators(file));
}

} // namespace kvor::ui
