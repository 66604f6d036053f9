// Where the data records go when nobody chose a file, for copies of the program in various places.

#include "control/data_file_place.h"

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

TEST(DefaultDataFile, DependsOnWhereTheProgramLies) {
    // Where the copy lies, whether its folder is writable, the documents folder; the file. The
    // installed copy lies in /usr/bin, however that is spelled.
    const std::tuple<const char*, bool, const char*, const char*> copies[] = {
        {"/usr/bin", false, "/home/u/Documents", "/home/u/Documents/Kvor3m/kvor.dat"},
        {"/usr/bin/", true, "/root/Документы", "/root/Документы/Kvor3m/kvor.dat"}, // root's
        {"/src/build/src/ui", true, "/home/u/Documents", "/src/build/src/ui/kvor.dat"},
        {"/opt/bin", false, "/home/u/Documents", "/home/u/Documents/Kvor3m/kvor.dat"},
        {"/usr/./bin", false, "", "/usr/./bin/kvor.dat"}, // no documents folder
    };
    for (const auto& [folder, writable, documents, expected] : copies)
        EXPECT_EQ(ChooseDataFile({folder, "/usr/bin", documents, writable}).string(), expected) << folder;
}

} // namespace
} // namespace kvor::test
