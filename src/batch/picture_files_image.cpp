// The pictures drawn in images by the window's own canvas. Text on a picture needs fonts, and so
// a Qt application, which runs on the offscreen platform: a script never needs a display.

#include "picture_files.h"

#include "view/image_canvas.h"
#include "view/picture_size.h"
#include "view/png_file.h"

#include <QGuiApplication>

#include <array>

namespace kvor {

namespace {

QSize sizeOf(PictureSize size) {
    return {size.width, size.height};
}

class ImagePictureFiles final : public PictureFiles {
public:
    ImagePictureFiles() {
        if (!QCoreApplication::instance())
            application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
        pictures_[0] = std::make_unique<ImageCanvas>(sizeOf(kPicture1Size), 1.0);
        pictures_[1] = std::make_unique<ImageCanvas>(sizeOf(kPicture2Size), 1.0);
    }

    Canvas& picture(int number) override { return *pictures_.at(number - 1); }

    std::string png(int number) override { return PngData(pictures_.at(number - 1)->image()); }

private:
    int argc_ = 3;
    std::array<char*, 4> argv_{const_cast<char*>("kvor3m-batch"), const_cast<char*>("-platform"),
                               const_cast<char*>("offscreen"), nullptr};
    std::unique_ptr<QGuiApplication> application_;
    std::array<std::unique_ptr<ImageCanvas>, 2> pictures_;
};

} // namespace

std::unique_ptr<PictureFiles> MakePictureFiles() {
    return std::make_unique<ImagePictureFiles>();
}

} // namespace kvor
