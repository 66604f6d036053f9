#include "home_documents.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace kvor {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The folder of a line XDG_DOCUMENTS_DIR="..." of user-dirs.dirs, with $HOME put in; empty for
// any other line, or a path that is neither absolute nor under $HOME.
std::filesystem::path documentsLine(std::string_view line, const std::filesystem::path& home) {
    constexpr std::string_view key = "XDG_DOCUMENTS_DIR=\"";
    if (!line.starts_with(key) || !line.ends_with('"')) return {};
    std::string_view path = line.substr(key.size(), line.size() - key.size() - 1);
    if (path.starts_with("$HOME")) {
        path.remove_prefix(5);
        while (path.starts_with('/')) path.remove_prefix(1);
        return path.empty() ? home : home / path;
    }
    return path.starts_with('/') ? std::filesystem::path(path) : std::filesystem::path();
}

} // namespace

std::filesystem::path HomeDocuments::folder() const {
    const std::string home = environment("HOME");
    if (home.empty()) return {};
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty()) config = home + "/.config";
    std::ifstream dirs(config + "/user-dirs.dirs");
    for (std::string line; std::getline(dirs, line);)
        if (const auto folder = documentsLine(line, home); !folder.empty()) return folder;
    return std::filesystem::path(home) / "Documents";
}

} // namespace kvor
