#include "user_documents_qt.h"

#include <QFile>
#include <QStandardPaths>

namespace kvor::ui {

std::filesystem::path QtUserDocuments::folder() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

} // namespace kvor::ui
