#pragma once

#include "host/user_documents.h"

namespace kvor {

// The documents folder that the desktop names in $XDG_CONFIG_HOME/user-dirs.dirs (by default
// ~/.config/user-dirs.dirs), as XDG_DOCUMENTS_DIR="$HOME/..." or an absolute path; ~/Documents
// where it names none. Read without Qt, so that a build without the window finds the same folder.
class HomeDocuments final : public UserDocuments {
public:
    std::filesystem::path folder() const override;
};

} // namespace kvor
