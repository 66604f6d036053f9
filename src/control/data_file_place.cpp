#include "data_file_place.h"

#include "build_info.h"

#include <unistd.h>

namespace kvor {

namespace fs = std::filesystem;

namespace {

// A folder's path in one spelling: "/usr/bin", "/usr/bin/" and "/usr/./bin" are the same folder.
fs::path folderPath(const fs::path& folder) {
    return (folder / "").lexically_normal();
}

} // namespace

fs::path ChooseDataFile(const DataFilePlaces& places) {
    const bool installed = folderPath(places.executableFolder) == folderPath(places.installedBinFolder);
    if ((!installed && places.executableFolderWritable) || places.documentsFolder.empty())
        return places.executableFolder / "kvor.dat";
    return places.documentsFolder / "Kvor3m" / "kvor.dat";
}

DataFilePlaces CurrentDataFilePlaces(fs::path documentsFolder) {
    std::error_code error;
    // The kernel's link names the executable with every symbolic link resolved; the install
    // folder is resolved the same way, so that /bin and /usr/bin of a merged /usr compare equal.
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    DataFilePlaces places;
    if (!error) places.executableFolder = executable.parent_path();
    places.installedBinFolder = fs::weakly_canonical(fs::path(build::kInstalledBinFolder), error);
    places.documentsFolder = std::move(documentsFolder);
    places.executableFolderWritable =
        !places.executableFolder.empty() && ::access(places.executableFolder.c_str(), W_OK | X_OK) == 0;
    return places;
}

} // namespace kvor
