#pragma once

#include "data_file_place.h"

#include <filesystem>

namespace kvor {

// The user's documents folder as the desktop names it (on a Russian desktop often ~/Документы),
// whether it exists yet or not; empty when there is no home folder to put it in.
std::filesystem::path UserDocumentsFolder();

// Where the window and the batch runner append their data records unless told otherwise.
inline std::filesystem::path DefaultDataFile() {
    return ChooseDataFile(CurrentDataFilePlaces(UserDocumentsFolder()));
}

} // namespace kvor
