#pragma once

#include "view/picture.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kvor {

// The two pictures drawn as the window draws them, for a script that saves them. Drawing costs
// time at every screen update, so the runner has them only when its script asks for a picture.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Picture 1 (the trajectories) or 2 (the time graph).
    virtual Picture& picture(int number) = 0;
    // Writes picture `number` as it stands, its three layers composed, to `file` as PNG. Returns
    // the system's reason when the file could not be written, and an empty text when it was.
    virtual std::string savePng(int number, const std::filesystem::path& file) = 0;
};

// Pictures with the window's drawing code, with no display needed; nothing in a build without
// the window, which cannot draw.
std::unique_ptr<PictureFiles> MakePictureFiles();

} // namespace kvor
