#pragma once

#include "host/user_documents.h"

#include <filesystem>

namespace kvor {

// What decides where the data records go when nobody chose a file.
struct DataFilePlaces {
    std::filesystem::path executableFolder;   // where the running program lies
    std::filesystem::path installedBinFolder; // where an installed copy lies
    std::filesystem::path documentsFolder;    // the user's documents folder
    bool executableFolderWritable = false;    // whether this user may create files beside the program
};

// An installed copy writes to Kvor3m/kvor.dat in the user's documents folder, even when the user
// (root) could write beside it: the programs' folder is not a place for a user's data. Any other
// copy, a build tree or a copied folder, keeps kvor.dat beside itself when it may, and otherwise
// uses the documents folder too; without a documents folder, beside the program whatever it is.
// The paths are compared as they are given.
std::filesystem::path ChooseDataFile(const DataFilePlaces& places);

// The places of the running program: its folder from the system, the install folder compiled in,
// `documentsFolder` as the caller found it.
DataFilePlaces CurrentDataFilePlaces(std::filesystem::path documentsFolder);

// Where the window and the batch runner append their data records unless told otherwise.
inline std::filesystem::path DefaultDataFile(const UserDocuments& documents) {
    return ChooseDataFile(CurrentDataFilePlaces(documents.folder()));
}

} // namespace kvor
