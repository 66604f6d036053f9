// Where the data records go when nobody chose a file, for copies of the program in various places.

#include "control/data_file_place.h"

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

struct PlaceCase {
    const char *name, *executableFolder;
    bool writable;
    const char *documents, *expected;
};

void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << c.name;
}

class DefaultDataFile : public testing::TestWithParam<PlaceCase> {};

TEST_P(DefaultDataFile, DependsOnWhereTheProgramLies) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(ChooseDataFile({c.executableFolder, "/usr/bin", c.documents, c.writable}).string(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, DefaultDataFile,
    testing::Values(
        PlaceCase{"Installed", "/usr/bin", false, "/home/u/Documents", "/home/u/Documents/Kvor3m/kvor.dat"},
        PlaceCase{"InstalledForRoot", "/usr/bin/", true, "/root/Документы",
                  "/root/Документы/Kvor3m/kvor.dat"},
        PlaceCase{"BuildTree", "/src/build/src/ui", true, "/home/u/Documents", "/src/build/src/ui/kvor.dat"},
        PlaceCase{"ReadOnlyCopy", "/opt/bin", false, "/home/u/Documents",
                  "/home/u/Documents/Kvor3m/kvor.dat"},
        PlaceCase{"NoDocuments", "/usr/./bin", false, "", "/usr/./bin/kvor.dat"}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kvor::test
