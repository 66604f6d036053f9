#pragma once

#include "experiment_file.h"

#include <filesystem>
#include <vector>

namespace kvor {

// The lessons that come with the program: experiment files, each a set-up with a title, notes
// on what to watch and questions, in the lesson folder.
struct Lesson {
    std::filesystem::path file;
    ExperimentText text;
};

// Where the lessons of the running program lie: share/kvor3m/lessons beside the folder of its
// executable when there is one (an installed copy, wherever its prefix), else the source tree's
// (a build tree).
std::filesystem::path LessonFolder();

// The lessons of `folder` in the order of their file names (which begin with their numbers). A
// file that cannot be read or understood is left out: it is no lesson.
std::vector<Lesson> LessonsIn(const std::filesystem::path& folder);

} // namespace kvor
