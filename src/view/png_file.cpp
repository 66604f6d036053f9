#include "png_file.h"

#include <QImageWriter>
#include <QSaveFile>

namespace kvor {

QString SavePng(const QImage& image, const QString& file) {
    // Written beside the file and renamed over it at the end, so that a failure leaves no half
    // picture behind.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    QImageWriter writer(&out, "png");
    if (!writer.write(image)) {
        out.cancelWriting();
        return writer.errorString();
    }
    if (!out.commit()) return out.errorString();
    return {};
}

} // namespace kvor
