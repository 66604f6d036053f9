#include "png_file.h"

#include <QBuffer>
#include <QImageWriter>

namespace kvor {

std::string PngData(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image)) return {};
    return data.toStdString();
}

} // namespace kvor
