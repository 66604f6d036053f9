// A build without the window has no drawing code: no script can save a picture.

#include "picture_files.h"

namespace kvor {

std::unique_ptr<PictureFiles> MakePictureFiles() {
    return nullptr;
}

} // namespace kvor
