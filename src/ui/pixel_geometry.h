#pragma once

#include "layout_table.h"

#include <QRect>
#include <QSize>

#include <algorithm>

namespace kvor::ui {

// A control's place in logical pixels.
inline QRect PixelRect(const ControlRow& row) {
    return {row.left / kTwipsPerPixel, row.top / kTwipsPerPixel, row.width / kTwipsPerPixel,
            row.height / kTwipsPerPixel};
}

// The client area in logical pixels: 11835 by 8310 twips, grown just enough to hold whole the
// controls of the bottom row, which reach a few pixels lower, so that nothing is cut at the edge.
inline QSize ClientAreaSize() {
    int right = kMainWidthTwips / kTwipsPerPixel, bottom = kMainHeightTwips / kTwipsPerPixel;
    for (const ControlRow& row : MainWindowControls()) {
        if (row.inFrame) continue;
        const QRect place = PixelRect(row);
        right = std::max(right, place.x() + place.width());
        bottom = std::max(bottom, place.y() + place.height());
    }
    return {right, bottom};
}

} // namespace kvor::ui
