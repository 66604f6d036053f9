// The pictures drawn in images by the window's own canvas. Text on a picture needs fonts, and so
// a Qt application, which runs on the offscreen platform: a script never needs a display.

#include "picture_files.h"

#include "view/image_canvas.h"
#include "view/picture_image.h"
#include "view/picture_size.h"
#include "view/png_file.h"
#include "view/recorded_picture.h"

#include <QGuiApplication>

#include <array>

namespace kvor {

namespace {

QSize sizeOf(PictureSize size) {
    return {size.width, size.height};
}

// Where Qt's messages went before the filter below.
QtMessageHandler qtMessages = nullptr;

// Qt tells standard error when the session has no runtime folder (XDG_RUNTIME_DIR), as a batch
// job's often has not, and makes one of its own: nothing for the script's user to do, so that
// notice is dropped. Every other message goes where it went.
void withoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        qtMessages(type, context, text);
}

class ImagePictureFiles final : public PictureFiles {
public:
    ImagePictureFiles() {
        if (!qtMessages) qtMessages = qInstallMessageHandler(withoutRuntimeFolderNotice);
        if (!QCoreApplication::instance())
            application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
    }

    Picture& picture(int number) override { return pictures_.at(number - 1); }

    std::string png(int number) override {
        PictureImage image(sizeOf(number == 1 ? kPicture1Size : kPicture2Size), 1.0);
        image.update(pictures_.at(number - 1));
        return PngData(image.canvas().image());
    }

    std::string energyPng(const EnergyPoints& points) override {
        ImageCanvas graph(sizeOf(kEnergyGraphSize), 1.0);
        DrawEnergyGraph(points, graph);
        return PngData(graph.image());
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
