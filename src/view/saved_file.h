#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

namespace kvor {

// Saves a file whole: it is written beside the file and renamed over it at the end, so that a
// failure leaves the file as it was. `write` puts the content into the device and returns the
// reason of a failure, or an empty text. Returns the reason the file could not be saved, in the
// words of the interface, and an empty text when it was.
QString SaveWholeFile(const QString& file, const std::function<QString(QIODevice&)>& write);

} // namespace kvor
