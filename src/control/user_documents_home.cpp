#include "user_documents.h"

#include <cstdlib>

namespace kvor {

// A build without Qt does not read the desktop's naming of the folder: it takes the name most
// desktops start with.
std::filesystem::path UserDocumentsFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::filesystem::path(home) / "Documents";
}

} // namespace kvor
