#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvor {

// A file that could not be written: which file, and the system's reason ("Permission denied",
// "No space left on device", ...).
struct FileWriteError {
    std::filesystem::path file;
    std::string reason;

    // The file's path on one line and the reason on the next, as a message box's detail.
    std::string detail() const { return file.string() + '\n' + reason; }
};

// Writes `text` to `file`, replacing what it held and creating it when it is missing. The file is
// closed again before the call returns; a failed open, write or close throws FileWriteError.
void WriteTextFile(const std::filesystem::path& file, std::string_view text);

// Appends `text` to `file`, creating the file when it is missing. The text lands whole or not at
// all: a write that fails part-way is cut back to the file's earlier end, and the bytes that were
// there before are never written again. Throws FileWriteError.
void AppendTextFile(const std::filesystem::path& file, std::string_view text);

// Creates the folder of `file` and the folders above it that are missing. Throws FileWriteError.
void CreateFolderOf(const std::filesystem::path& file);

} // namespace kvor
