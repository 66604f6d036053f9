// Where the data records go when nobody chose a file.

#include "control/data_file_place.h"

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

struct PlaceCase {
    const char* name;
    const char* executableFolder;
    bool writable;
    const char* documents;
    const char* expected;
};

class DefaultDataFile : public testing::TestWithParam<PlaceCase> {};

TEST_P(DefaultDataFile, DependsOnWhereTheProgramLies) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(ChooseDataFile({c.executableFolder, "/usr/bin", c.documents, c.writable}).string(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, DefaultDataFile,
    testing::Values(
        PlaceCase{"Installed", "/usr/bin", false, "/home/u/Documents", "/home/u/Documents/Kvor3m/kvor.dat"},
        PlaceCase{"InstalledAndRootMayWrite", "/usr/bin/", true, "/root/Документы",
                  "/root/Документы/Kvor3m/kvor.dat"},
        PlaceCase{"BuildTree", "/src/build/src/ui", true, "/home/u/Documents", "/src/build/src/ui/kvor.dat"},
        PlaceCase{"ReadOnlyCopy", "/opt/kvor3m/bin", false, "/home/u/Documents",
                  "/home/u/Documents/Kvor3m/kvor.dat"},
        PlaceCase{"InstalledWithoutDocuments", "/usr/./bin", false, "", "/usr/./bin/kvor.dat"}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kvor::test
