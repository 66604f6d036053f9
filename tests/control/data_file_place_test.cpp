// Where the data records go when nobody chose a file, for copies of the program in various places.

#include "batch/home_documents.h"
#include "control/data_file_place.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

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

// Without Qt the batch runner reads the desktop's naming of the folder as Qt does: $HOME put in, an
// absolute path taken as it is, ~/Documents where the file names none.
TEST(DefaultDataFile, TheDocumentsFolderIsTheOneTheDesktopNames) {
    const std::filesystem::path config = testing::TempDir() + "kvor-user-dirs";
    std::filesystem::create_directories(config);
    setenv("HOME", "/home/u", 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const std::pair<const char*, const char*> namings[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Стол\"\nXDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n", "/home/u/Документы"},
        {"# a comment\nXDG_DOCUMENTS_DIR=\"/srv/docs\"\n", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"docs\"\n", "/home/u/Documents"},
        {"", "/home/u/Documents"},
    };
    for (const auto& [dirs, folder] : namings) {
        std::ofstream(config / "user-dirs.dirs") << dirs;
        EXPECT_EQ(HomeDocuments().folder().string(), folder) << dirs;
    }
}

} // namespace
} // namespace kvor::test
