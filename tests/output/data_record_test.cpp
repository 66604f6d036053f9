// The data recording file: the exact text of a record and when records are appended.

#include "output/data_record.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <string>

namespace kvor::test {
namespace {

// A known state whose every number has a short text.
ModelRecord knownState() {
    ModelRecord r;
    r.Ts = 0.125;
    r.AlfaDeg = 45;
    r.m1 = 1;
    r.J1 = 0.1;
    r.V1 = 5;
    r.w1 = 0;
    r.X1 = -0.8071;
    r.Y1 = 0.00001;
    r.VX1 = 3;
    r.VY1 = -4;
    r.m2 = 2.5;
    r.J2 = 1e-20;
    r.V2 = 10;
    r.w2 = -7.5;
    r.X2 = 1e18;
    r.Y2 = -1.7071;
    r.VX2 = -0.0;
    r.VY2 = 10;
    r.F = -12.5;
    r.FcFj = 3;
    r.Fm = 6.67e-11;
    r.Fq = -15.5;
    r.Fs = 0;
    r.Vs = 0.25;
    r.E0 = 51;
    r.E = 50.5;
    return r;
}

// The record written from the layout: four labelled lines, each ending in CR LF, the first
// label of a line without blanks, every other with four blanks before it, then two empty lines.
const std::string kExpectedRecord =
    "T= 0,125    Alfa= 45\r\n"
    "m1= 1    J1= 0,1    V1= 5    w1= 0    X1= -0,8071    Y1= 1E-05    VX1= 3    VY1= -4\r\n"
    "m2= 2,5    J2= 1E-20    V2= 10    w2= -7,5    X2= 1E+18    Y2= -1,7071    VX2= 0    VY2= 10\r\n"
    "F= -12,5    Fc+Fj= 3    Fm= 6,67E-11    Fq= -15,5    Fs= 0    Vs= 0,25    E0= 51    E= 50,5\r\n"
    "\r\n"
    "\r\n";

TEST(DataRecord, FourLabelledLinesThenTwoEmpty) {
    ModelRecord r = knownState();
    r.NC0file = 1000;
    r.FileStepCount = 1000;
    TempFolder folder;
    const auto file = folder / "kvor.dat";
    WriteDataRecord(r, true, ',', file);
    EXPECT_EQ(FileText(file), kExpectedRecord);
    EXPECT_EQ(r.Msg, kExpectedRecord) << "the record is assembled in Msg";
    EXPECT_EQ(r.FileStepCount, 0);

    std::string built;
    BuildDataRecord(r, '.', built);
    EXPECT_EQ(built.substr(0, 26), "T= 0.125    Alfa= 45\r\nm1= ");
    EXPECT_EQ(built.find(','), std::string::npos);
}

TEST(DataRecord, AppendedOnlyWhenRecordingAndDue) {
    TempFolder folder;
    const auto file = folder / "kvor.dat";
    ModelRecord r = knownState();
    r.NC0file = 1000;

    // Recording off: the file is neither created nor touched, and the count goes on.
    r.FileStepCount = 5000;
    WriteDataRecord(r, false, ',', file);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(r.FileStepCount, 5000);

    // Fewer steps than NC0file since the last record: nothing.
    r.FileStepCount = 999;
    WriteDataRecord(r, true, ',', file);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(r.FileStepCount, 999);

    // Due: one record, complete in the file as soon as the call returns.
    r.FileStepCount = 1000;
    WriteDataRecord(r, true, ',', file);
    EXPECT_EQ(FileText(file), kExpectedRecord);

    // Another one later is appended; records stay separated by exactly two empty lines.
    r.FileStepCount = 1200;
    r.F = 7;
    WriteDataRecord(r, true, ',', file);
    std::string second = kExpectedRecord;
    second.replace(second.find("F= -12,5"), 8, "F= 7");
    const std::string text = FileText(file);
    EXPECT_EQ(text, kExpectedRecord + second);
    EXPECT_EQ(text.find("\r\n\r\n\r\n\r\n"), std::string::npos);
}

TEST(DataRecord, AppendsToWhatIsThere) {
    TempFolder folder;
    const auto file = folder / "kvor.dat";
    AppendToFile(file, "earlier runs\r\n");
    ModelRecord r = knownState();
    r.NC0file = 1;
    r.FileStepCount = 1;
    WriteDataRecord(r, true, ',', file);
    EXPECT_EQ(FileText(file), "earlier runs\r\n" + kExpectedRecord);
}

// The folder is made with the first record. Then the file may grow by only 100 more bytes: the
// system writes 100 bytes of the next record and refuses the rest, and the file is cut back.
TEST(DataRecord, AFailedWriteLeavesTheEarlierRecordsAndNoPieceOfTheNewOne) {
    TempFolder folder;
    const auto file = folder / "Kvor3m/kvor.dat";
    ModelRecord r = knownState();
    r.NC0file = 1;
    r.FileStepCount = 1;
    WriteDataRecord(r, true, ',', file);
    ASSERT_EQ(FileText(file), kExpectedRecord);

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = kExpectedRecord.size() + 100;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    r.FileStepCount = 1;
    std::string detail;
    try {
        WriteDataRecord(r, true, ',', file);
    } catch (const DataFileError& failed) {
        detail = failed.detail(); // the file on the first line, the system's reason on the next
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(FileText(file), kExpectedRecord);
    EXPECT_EQ(detail.rfind(file.string() + "\n", 0), 0u) << detail;
    EXPECT_GT(detail.size(), file.string().size() + 1);
}

} // namespace
} // namespace kvor::test
