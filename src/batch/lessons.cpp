#include "lessons.h"

#include "build_info.h"

#include <algorithm>
#include <system_error>

namespace kvor {

namespace fs = std::filesystem;

fs::path LessonFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed = executable.parent_path().parent_path() / "share" / "kvor3m" / "lessons";
        if (fs::is_directory(installed, error)) return installed;
    }
    return fs::path(build::kSourceLessonFolder);
}

std::vector<Lesson> LessonsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator i(folder, error), end; !error && i != end; i.increment(error))
        if (i->path().extension() == ".kvs") files.push_back(i->path());
    std::sort(files.begin(), files.end());
    std::vector<Lesson> lessons;
    for (const fs::path& file : files) {
        try {
            lessons.push_back({file, DescriptionOf(OpenExperimentFile(file))});
        } catch (const ExperimentFileError&) {
        }
    }
    return lessons;
}

} // namespace kvor
