#pragma once

class QWidget;

namespace kvor::ui {

// Whether the caption of a label, button, check box, option button or frame fits inside the
// control in its own font and style; a control without a caption always fits.
bool CaptionFits(const QWidget& control);

// Gives a control whose caption does not fit a slightly condensed, then a smaller, version of
// its font, until it fits. Returns whether it fits in the end.
bool FitCaption(QWidget& control);

} // namespace kvor::ui
