#include "user_documents.h"

#include <QFile>
#include <QStandardPaths>

namespace kvor {

// Qt reads the desktop's own naming of the folder (~/.config/user-dirs.dirs).
std::filesystem::path UserDocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

} // namespace kvor
