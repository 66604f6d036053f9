// The pictures drawn in images by the window's own canvas. Text on a picture needs fonts, and so
// a Qt application, which runs on the offscreen platform: a script never needs a display.

#include "picture_files.h"

#include "view/picture_image.h"
#include "view/picture_size.h"
#include "view/png_file.h"
#include "view/recorded_picture.h"

#include <QFile>
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
    }

    Picture& picture(int number) override { return pictures_.at(number - 1); }

    std::string savePng(int number, const std::filesystem::path& file) override {
        PictureImage image(sizeOf(number == 1 ? kPicture1Size : kPicture2Size), 1.0);
        image.update(pictures_.at(number - 1));
        return SavePng(image.canvas().image(), QFile::decodeName(file.c_str())).toStdString();
    }

private:
    int argc_ = 3;
    std::array<char*, 4> argv_{const_cast<char*>("kvor3m-batch"), const_cast<char*>("-platform"),
                               const_cast<char*>("offscreen"), nullptr};
    std::unique_ptr<QGuiApplication> application_;
    std::array<RecordedPicture, 2> pictures_;
};

} // namespace

std::unique_ptr<PictureFiles> MakePictureFiles() {
    return std::make_unique<ImagePictureFiles>();
}

} // namespace kvor
