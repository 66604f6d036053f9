#pragma once

#include <filesystem>

namespace kvor {

// The user's documents folder as the desktop names it (on a Russian desktop often ~/Документы),
// whether it exists yet or not; empty when there is no home folder to put it in. The window asks
// Qt; the batch runner reads the desktop's naming itself.
class UserDocuments {
public:
    virtual ~UserDocuments() = default;
    virtual std::filesystem::path folder() const = 0;
};

} // namespace kvor
