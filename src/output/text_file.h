#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvor {

// A file that could not be written: which file, and the system's reason ("Permission denied",
// "No space left on device", ...), with the errno behind it (0 for a reason of our own, such as
// a path that names a device).
struct FileWriteError {
    std::filesystem::path file;
    std::string reason;
    int code = 0;

    // The file's path on one line and the reason on the next, as a message box's detail.
    std::string detail() const { return file.string() + '\n' + reason; }
};

// The one way a file is written whole (pictures, tables): `content` goes into a new file beside
// `file`, every write checked, is flushed to the disk and only then renamed over `file`. Either
// `file` holds all of `content` afterwards or it is left byte for byte as it was, and the new file
// is gone. A file that is replaced keeps its permissions; a symbolic link is followed. Throws
// FileWriteError, also when `file` is there but is not a regular file.
void WriteWholeFile(const std::filesystem::path& file, std::string_view content);

// Appends `piece`, which ends in `end`, to `file`, creating the file when it is missing. The
// piece lands whole or not at all, and the bytes already in the file are never written:
// - it goes in one write on a descriptor opened for appending, while an advisory lock (flock) is
//   held, so that writers in other processes that lock the file too never interleave with it;
// - a write that fails part-way (a full disk) is cut back, under the same lock, to the size the
//   file had when the lock was taken: only this piece is taken back, never another writer's;
// - a file that does not end in `end` ends in a fragment (a writer killed in the middle of its
//   write, or another program's text): `end` is written first, so that the fragment stands alone
//   and never fuses with the piece. The fragment is left in place: it may be someone else's.
// Only a regular file is written: a FIFO, a device or a folder is refused without waiting for
// it. Throws FileWriteError.
void AppendTextFile(const std::filesystem::path& file, std::string_view piece, std::string_view end);

// Creates the folder of `file` and the folders above it that are missing. Throws FileWriteError.
void CreateFolderOf(const std::filesystem::path& file);

} // namespace kvor
