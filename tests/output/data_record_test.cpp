// A record lands in the data file whole or not at all, and a failure says which file and why.

#include "output/data_record.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace kvor {
namespace {

std::string fileText(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// The folder is made with the first record. Then the file may grow by only 100 more bytes: the
// system writes 100 bytes of the next record and refuses the rest, and the file is cut back.
TEST(DataRecord, AFailedWriteLeavesTheEarlierRecordsAndNoPieceOfTheNewOne) {
    const auto folder = std::filesystem::path(testing::TempDir()) / ("kvor-record-" + std::to_string(getpid()));
    const auto file = folder / "Kvor3m/kvor.dat";
    ModelRecord r;
    r.NC0file = 1;
    r.FileStepCount = 1;
    WriteDataRecord(r, true, ',', file);
    const std::string first = fileText(file);
    ASSERT_TRUE(first.starts_with("T= 0    Alfa= 0\r\n")) << first;

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = first.size() + 100;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    r.FileStepCount = 1;
    std::string detail;
    try {
        WriteDataRecord(r, true, ',', file);
    } catch (const FileWriteError& failed) {
        detail = failed.detail(); // the file on the first line, the system's reason on the next
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(fileText(file), first);
    EXPECT_EQ(detail.rfind(file.string() + "\n", 0), 0u) << detail;
    EXPECT_GT(detail.size(), file.string().size() + 1);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace kvor
