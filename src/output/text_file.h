#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvor {

// A file that could not be written, with the system's reason ("Permission denied", ...).
struct FileWriteError {
    std::string reason;
};

// Writes `text` to `file`, replacing what it held, or appends it, creating the file when it is
// missing. The file is closed again before the call returns; a failed open, write or close
// throws FileWriteError.
void WriteTextFile(const std::filesystem::path& file, std::string_view text);
void AppendTextFile(const std::filesystem::path& file, std::string_view text);

} // namespace kvor
