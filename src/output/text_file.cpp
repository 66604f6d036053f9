#include "text_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace kvor {

namespace {

[[noreturn]] void failWithErrno(int error) {
    throw FileWriteError{std::generic_category().message(error ? error : EIO)};
}

void writeFile(const std::filesystem::path& file, std::string_view text, const char* mode) {
    errno = 0;
    std::FILE* stream = std::fopen(file.c_str(), mode);
    if (!stream) failWithErrno(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written) failWithErrno(writeError);
    if (!closed) failWithErrno(errno);
}

} // namespace

void WriteTextFile(const std::filesystem::path& file, std::string_view text) {
    writeFile(file, text, "wb");
}

void AppendTextFile(const std::filesystem::path& file, std::string_view text) {
    writeFile(file, text, "ab");
}

} // namespace kvor
