#pragma once

#include "host/user_documents.h"

namespace kvor::ui {

// Qt reads the desktop's own naming of the folder (~/.config/user-dirs.dirs).
class QtUserDocuments final : public UserDocuments {
public:
    std::filesystem::path folder() const override;
};

} // namespace kvor::ui
