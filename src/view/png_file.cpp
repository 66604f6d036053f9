#include "png_file.h"

#include "saved_file.h"

#include <QImageWriter>

namespace kvor {

QString SavePng(const QImage& image, const QString& file) {
    return SaveWholeFile(file, [&](QIODevice& out) {
        QImageWriter writer(&out, "png");
        return writer.write(image) ? QString() : writer.errorString();
    });
}

} // namespace kvor
