#pragma once

#include <QFont>

class QApplication;
class QWidget;

namespace kvor::ui {

// The program's name, version and desktop entry, for --version, QSettings and the desktop's
// window list. Needs no application object.
void IdentifyApplication();

// The look in which the window's captions were fitted to the sizes of its controls: the Fusion
// style with check and option indicators small enough for the window's 13-pixel check boxes,
// and a condensed sans-serif face that has Cyrillic, at sizes in pixels. Qt's own texts (message
// box buttons, context menus, the file dialog) are Russian whatever the system's language.
void ConfigureApplication(QApplication& app);

// Captions of labels, buttons, check boxes and frames.
QFont CaptionFont();
// Texts in boxes and on the pictures: a pixel smaller, so that numbers such as "-0.8071" fit the
// narrow input boxes.
QFont BoxFont();

// Whether the caption of a label, button, check box, option button or frame fits inside the
// control in its own font and style; a control without a caption always fits.
bool CaptionFits(const QWidget& control);

// Gives a control whose caption does not fit a slightly condensed, then a smaller, version of
// its font, until it fits. Returns whether it fits in the end.
bool FitCaption(QWidget& control);

} // namespace kvor::ui
