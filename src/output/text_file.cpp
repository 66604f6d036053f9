#include "text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kvor {

namespace {

[[noreturn]] void fail(const std::filesystem::path& file, int error) {
    if (error == 0) error = EIO;
    throw FileWriteError{file, std::generic_category().message(error), error};
}

// Our own refusal: a FIFO or a device may block a writer or swallow what it is given, and a
// folder cannot hold text.
[[noreturn]] void failNotRegular(const std::filesystem::path& file) {
    throw FileWriteError{file, "Not a regular file", 0};
}

// Calls `call` again while a signal interrupts it before it has done anything; returns its result.
template <typename Call> auto retried(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) return result;
    }
}

// Writes all of `text`: in one write, unless the system cuts it short (a full disk), when the
// rest is tried for the system's reason. Returns 0, or the errno of the write that failed.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = retried([&] { return ::write(fd, text.data(), text.size()); });
        if (written < 0) return errno;
        if (written == 0) return EIO;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Returns 0, or the errno of a close that reports a failed write, as some network file systems
// do only then. A close is never tried again: the descriptor is gone either way.
int closeReporting(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

// Takes back what a failed append added: the file ends where it ended when the lock was taken.
void cutBack(int fd, off_t size) {
    retried([&] { return ::ftruncate(fd, size); });
}

// Whether the file ends in `end`. A file that this user may write but not read (opened write-only)
// cannot be looked at: its end is taken as whole, as it was before anyone could look.
bool endsIn(int fd, off_t size, std::string_view end) {
    const auto length = static_cast<off_t>(end.size());
    if (size < length) return false;
    std::string tail(end.size(), '\0');
    const ssize_t read = ::pread(fd, tail.data(), tail.size(), size - length);
    if (read < 0 && errno == EBADF) return true;
    return read == length && tail == end;
}

// A new, empty file in the folder of `file`, for the content that will replace it: the rename
// that replaces it is one step only within one file system. Returns the descriptor, or -1 with
// errno set; `part` is its name.
int createBeside(const std::filesystem::path& file, std::filesystem::path& part) {
    static unsigned serial = 0;
    for (int tries = 0; tries < 100; ++tries) {
        part = file.parent_path() /
               (".kvor3m-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".part");
        const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

void WriteWholeFile(const std::filesystem::path& file, std::string_view content) {
    std::filesystem::path target = file;
    std::error_code unresolved;
    if (std::filesystem::is_symlink(file, unresolved)) {
        const auto resolved = std::filesystem::canonical(file, unresolved);
        if (!unresolved) target = resolved;
    }
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) failNotRegular(file);

    std::filesystem::path part;
    const int fd = createBeside(target, part);
    if (fd < 0) fail(file, errno);
    if (replacing) ::fchmod(fd, old.st_mode & 07777);
    // Each write is checked, and the flush to the disk too: a full disk may show only there.
    int error = writeAll(fd, content);
    if (error == 0 && retried([&] { return ::fsync(fd); }) != 0) error = errno;
    if (const int closing = closeReporting(fd); error == 0) error = closing;
    if (error == 0 && ::rename(part.c_str(), target.c_str()) != 0) error = errno;
    if (error == 0) return;
    ::unlink(part.c_str());
    fail(file, error);
}

void AppendTextFile(const std::filesystem::path& file, std::string_view piece, std::string_view end) {
    // O_NONBLOCK: a FIFO without a reader is refused at once (ENXIO) instead of waiting for one.
    // Read access is for the look at the file's last bytes; a file the user may only write is
    // appended to without it.
    const auto openFor = [&](int access) {
        return retried([&] {
            return ::open(file.c_str(), access | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
                          0666);
        });
    };
    int fd = openFor(O_RDWR);
    if (fd < 0 && errno == EACCES) fd = openFor(O_WRONLY);
    if (fd < 0 && errno == ENXIO) failNotRegular(file);
    if (fd < 0) fail(file, errno);
    struct stat before {};
    if (::fstat(fd, &before) == 0 && !S_ISREG(before.st_mode)) {
        ::close(fd);
        failNotRegular(file);
    }
    // The size that a cut-back returns to is read under the lock: no other writer has appended
    // since, so the cut takes back this piece only.
    int error = retried([&] { return ::flock(fd, LOCK_EX); }) == 0 && ::fstat(fd, &before) == 0 ? 0 : errno;
    if (error != 0) {
        ::close(fd);
        fail(file, error);
    }
    std::string text;
    if (before.st_size > 0 && !endsIn(fd, before.st_size, end)) text = end;
    text += piece;
    error = writeAll(fd, text);
    if (error != 0) cutBack(fd, before.st_size);
    // The lock belongs to the open file and lasts while a descriptor of it does: a second one
    // keeps it while the first is closed, so that a failure reported by the close is cut back
    // under the lock too.
    const int keeper = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (const int closing = closeReporting(fd); error == 0 && closing != 0) {
        error = closing;
        if (keeper >= 0) cutBack(keeper, before.st_size);
    }
    if (keeper >= 0) ::close(keeper);
    if (error != 0) fail(file, error);
}

void CreateFolderOf(const std::filesystem::path& file) {
    if (!file.has_parent_path()) return;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) throw FileWriteError{file, error.message(), error.value()};
}

} // namespace kvor
