#include "data_record.h"

#include "core/number_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kvor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

class RecordBuilder {
public:
    RecordBuilder(std::string& msg, char decimalSeparator) : msg_(msg), separator_(decimalSeparator) {}

    // A label ends with "= "; every label but the first of a line begins with four blanks.
    RecordBuilder& field(std::string_view label, double value) {
        msg_ += label;
        AppendNumberText(msg_, value, separator_);
        return *this;
    }
    void endLine() { msg_ += kLineEnd; }

private:
    std::string& msg_;
    char separator_;
};

} // namespace

void BuildDataRecord(const ModelRecord& r, char decimalSeparator, std::string& msg) {
    msg.clear();
    RecordBuilder line(msg, decimalSeparator);
    line.field("T= ", r.Ts).field("    Alfa= ", r.AlfaDeg).endLine();
    line.field("m1= ", r.m1)
        .field("    J1= ", r.J1)
        .field("    V1= ", r.V1)
        .field("    w1= ", r.w1)
        .field("    X1= ", r.X1)
        .field("    Y1= ", r.Y1)
        .field("    VX1= ", r.VX1)
        .field("    VY1= ", r.VY1)
        .endLine();
    line.field("m2= ", r.m2)
        .field("    J2= ", r.J2)
        .field("    V2= ", r.V2)
        .field("    w2= ", r.w2)
        .field("    X2= ", r.X2)
        .field("    Y2= ", r.Y2)
        .field("    VX2= ", r.VX2)
        .field("    VY2= ", r.VY2)
        .endLine();
    line.field("F= ", r.F)
        .field("    Fc+Fj= ", r.FcFj)
        .field("    Fm= ", r.Fm)
        .field("    Fq= ", r.Fq)
        .field("    Fs= ", r.Fs)
        .field("    Vs= ", r.Vs)
        .field("    E0= ", r.E0)
        .field("    E= ", r.E)
        .endLine();
    // The first of the two empty lines; the second comes with the write.
    line.endLine();
}

namespace {

DataFileError fileError(const std::filesystem::path& file, int error) {
    return {file, std::generic_category().message(error)};
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

void AppendToFile(const std::filesystem::path& file, std::string_view text) {
    std::error_code folderError;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), folderError);
    if (folderError) throw DataFileError{file, folderError.message()};

    // O_APPEND: every write goes to the end, so the bytes already in the file are never written.
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) throw fileError(file, errno);
    struct stat before {};
    const bool regular = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);

    // A disk that fills up part-way leaves a piece of the text at the end: the file is cut back,
    // so that it holds whole records only. Some file systems report a failed write only when the
    // file is closed; then the cut has to go through the name. The reason reported is the
    // write's own, whatever becomes of the cut.
    int error = writeAll(fd, text);
    if (error != 0 && regular) cutBack([&] { return ::ftruncate(fd, before.st_size); });
    if (::close(fd) != 0 && error == 0) {
        error = errno;
        if (regular) cutBack([&] { return ::truncate(file.c_str(), before.st_size); });
    }
    if (error != 0) throw fileError(file, error);
}

void WriteDataRecord(ModelRecord& r, bool recording, char decimalSeparator,
                     const std::filesystem::path& file) {
    if (!recording || r.FileStepCount < r.NC0file) return;
    r.FileStepCount = 0;
    BuildDataRecord(r, decimalSeparator, r.Msg);
    r.Msg += kLineEnd;
    AppendToFile(file, r.Msg);
}

} // namespace kvor
