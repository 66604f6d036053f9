#pragma once

#include "layout_table.h"

#include <QRect>
#include <QString>

#include <string_view>

namespace kvor::ui {

// A control's place in logical pixels.
inline QRect PixelRect(const ControlRow& row) {
    return {row.left / kTwipsPerPixel, row.top / kTwipsPerPixel, row.width / kTwipsPerPixel,
            row.height / kTwipsPerPixel};
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kvor::ui
