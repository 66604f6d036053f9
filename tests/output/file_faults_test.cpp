// The files under faults: a disk that fills while a picture or a table is saved or while two
// writers record, a recording run killed at random moments, a FIFO named as a file.

#include "batch/batch_runner.h"
#include "output/text_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace kvor {
namespace {

constexpr std::string_view kEnd = "\r\n\r\n\r\n";

std::string fileText(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

// No file this process writes may grow beyond `bytes` (SIGXFSZ ignored: write fails instead).
void limitFiles(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// A 64 KB disk: a tmpfs mounted for the test where it may (as root), else a folder in which
// fill() and limit64k() limit the size of files instead (RLIMIT_FSIZE), which fails a write alike.
struct SmallDisk {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("kvor-disk-" + std::to_string(getpid()));
    const bool tmpfs = std::filesystem::create_directories(folder) &&
                       ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    ~SmallDisk() {
        limitFiles(RLIM_INFINITY);
        if (tmpfs) ::umount2(folder.c_str(), MNT_DETACH);
        std::filesystem::remove_all(folder);
    }
    void fill() const {
        std::ofstream filler(folder / "filler", std::ios::binary);
        while (tmpfs && filler.write("0123456789", 10) && filler.flush()) {
        }
        if (!tmpfs) limitFiles(100);
    }
    void limit64k() const {
        if (!tmpfs) limitFiles(64 * 1024);
    }
};

// Content smaller and larger than the 16 KB that Qt's file classes keep in their buffer.
TEST(WholeFile, OnAFullDiskTheOldFileStaysByteForByteAndTheReasonIsTheSystems) {
    const SmallDisk disk;
    const auto file = disk.folder / "old.csv";
    WriteWholeFile(file, "old table\r\n");
    disk.fill();
    for (const std::size_t size : {1000, 20000}) {
        try {
            WriteWholeFile(file, std::string(size, 'n'));
            ADD_FAILURE() << size << " bytes written on a full disk";
        } catch (const FileWriteError& failed) {
            EXPECT_TRUE(failed.code == ENOSPC || failed.code == EFBIG) << failed.reason;
            EXPECT_EQ(failed.detail(), file.string() + "\n" + std::strerror(failed.code));
        }
        EXPECT_EQ(fileText(file), "old table\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.folder), {}), 2); // and the filler
    }
    limitFiles(RLIM_INFINITY);
    std::filesystem::remove(disk.folder / "filler");
    WriteWholeFile(file, std::string(20000, 'n'));
    EXPECT_EQ(fileText(file), std::string(20000, 'n'));
}

// A FIFO, with a reader or without, is refused at once (a writer would otherwise wait for ever);
// a file that ends in a fragment gets a record's end before the record, the fragment kept.
TEST(AppendTextFile, OnlyToARegularFileAndAFragmentStandsAlone) {
    const SmallDisk disk;
    const auto fifo = disk.folder / "fifo", file = disk.folder / "kvor.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const int reader : {-1, ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK)}) {
        EXPECT_THROW(AppendTextFile(fifo, "T= 1\r\n\r\n\r\n", kEnd), FileWriteError);
        EXPECT_THROW(WriteWholeFile(fifo, "table"), FileWriteError);
        if (reader >= 0) ::close(reader);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    std::ofstream(file, std::ios::binary) << "T= 1\r\nm1";
    AppendTextFile(file, "T= 2\r\n\r\n\r\n", kEnd);
    EXPECT_EQ(fileText(file), "T= 1\r\nm1\r\n\r\n\r\nT= 2\r\n\r\n\r\n");
}

// The pieces of a file before each record end, without the line ends that a fragment's own end
// and the record end written after it leave at their start.
std::vector<std::string> pieces(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t at = 0, end; (end = text.find(kEnd, at)) != std::string::npos; at = end + kEnd.size()) {
        const std::size_t begin = std::min(text.find_first_not_of("\r\n", at), end);
        found.push_back(text.substr(begin, end - begin));
    }
    return found;
}

// Two processes append 200 records each, longer than a page so that a full disk cuts them, into
// one file until the disk is full: every record in the file is whole and there once, and every
// record that a writer was told was written is there.
TEST(AppendTextFile, TwoWritersOnAFillingDiskKeepEveryRecordTheyWereToldOf) {
    const SmallDisk disk;
    const auto record = [](int writer, int i) {
        return "T= " + std::to_string(writer * 1000 + i) + std::string(5000, '0');
    };
    int reports[2][2];
    for (int writer = 0; writer < 2; ++writer) {
        ASSERT_EQ(::pipe(reports[writer]), 0);
        if (::fork() == 0) {
            disk.limit64k();
            for (int i = 0; i < 200; ++i) try {
                    AppendTextFile(disk.folder / "kvor.dat", record(writer, i) + std::string(kEnd), kEnd);
                    if (::write(reports[writer][1], &i, sizeof i) != sizeof i) ::_exit(1);
                } catch (const FileWriteError&) {
                }
            ::_exit(0);
        }
        ::close(reports[writer][1]);
    }
    std::multiset<std::string> told, inFile;
    for (int writer = 0; writer < 2; ++writer)
        for (int i; ::read(reports[writer][0], &i, sizeof i) == sizeof i;) told.insert(record(writer, i));
    while (::wait(nullptr) > 0) {
    }
    const std::string text = fileText(disk.folder / "kvor.dat");
    for (const std::string& piece : pieces(text)) inFile.insert(piece);
    EXPECT_EQ(inFile, told);
    EXPECT_TRUE(text.ends_with(kEnd)); // no piece of a record cut back at the end
    EXPECT_LT(told.size(), 400u);      // the disk did fill
}

// A recording run (a record every screen update, into a folder it makes) killed with SIGKILL at a
// random moment, 100 times, each next run appending to the same file. Linux may cut even a single
// write where it crosses a page boundary of the file: such a fragment must stand alone, a prefix
// of a record, and never fuse with the record after it.
TEST(DataRecord, KilledRecordingRunsLeaveNoFragmentFusedWithARecord) {
    const auto folder = std::filesystem::path(testing::TempDir()) / ("kvor-kill-" + std::to_string(getpid()));
    const auto play = [&](const char* file) {
        std::ostringstream out;
        BatchRunner(out, {',', folder / "Kvor3m" / file})
            .run({"set NC0 5", "set NC0file 1", "check Запись on", "start", "run 300", "stop"});
    };
    const auto started = std::chrono::steady_clock::now();
    play("whole.dat");
    const auto took =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    const auto whole = pieces(fileText(folder / "Kvor3m/whole.dat"));
    ASSERT_GE(whole.size(), 300u);
    const std::set<std::string> records(whole.begin(), whole.end());
    std::mt19937 random(static_cast<unsigned>(getpid()));
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            play("killed.dat");
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<long>(0, took.count())(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    int fragments = 0;
    for (const std::string& piece : pieces(fileText(folder / "Kvor3m/killed.dat"))) {
        const auto match = records.lower_bound(piece);
        ASSERT_TRUE(match != records.end() && match->starts_with(piece)) << "fused: " << piece;
        fragments += *match != piece;
    }
    std::printf("100 kills in runs of %ld us: %d fragments, each alone\n", static_cast<long>(took.count()),
                fragments);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace kvor
