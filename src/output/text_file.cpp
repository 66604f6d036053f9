#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kvor {

namespace {

[[noreturn]] void fail(const std::filesystem::path& file, int error) {
    throw FileWriteError{file, std::generic_category().message(error != 0 ? error : EIO)};
}

int openFile(const std::filesystem::path& file, int flags) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0666);
    if (fd < 0) fail(file, errno);
    return fd;
}

// Writes all of `text`, going on after a write that the system cut short. Returns 0, or the
// errno of the write that failed.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Takes back what a failed write added, so that the file ends where it ended before. `cut` is a
// call of ftruncate or truncate, tried again when a signal interrupts it.
template <typename Cut> void cutBack(Cut cut) {
    for (int tries = 0; tries < 100; ++tries)
        if (cut() == 0 || errno != EINTR) return;
}

} // namespace

void WriteTextFile(const std::filesystem::path& file, std::string_view text) {
    const int fd = openFile(file, O_TRUNC);
    int error = writeAll(fd, text);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) fail(file, error);
}

void AppendTextFile(const std::filesystem::path& file, std::string_view text) {
    // O_APPEND: every write goes to the end, so the bytes already in the file are never written.
    const int fd = openFile(file, O_APPEND);
    struct stat before {};
    const bool regular = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);

    // A disk that fills up part-way leaves a piece of the text at the end: the file is cut back,
    // so that it holds whole pieces only. Some file systems report a failed write only when the
    // file is closed; then the cut has to go through the name. The reason reported is the
    // write's own, whatever becomes of the cut.
    int error = writeAll(fd, text);
    if (error != 0 && regular) cutBack([&] { return ::ftruncate(fd, before.st_size); });
    if (::close(fd) != 0 && error == 0) {
        error = errno;
        if (regular) cutBack([&] { return ::truncate(file.c_str(), before.st_size); });
    }
    if (error != 0) fail(file, error);
}

void CreateFolderOf(const std::filesystem::path& file) {
    if (!file.has_parent_path()) return;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) throw FileWriteError{file, error.message()};
}

} // namespace kvor
