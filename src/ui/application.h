#pragma once

#include <QFont>

class QApplication;

namespace kvor::ui {

// The program's name, version and desktop entry, for --version, QSettings and the desktop's
// window list. Needs no application object.
void IdentifyApplication();

// The look in which the window's captions were fitted to the sizes of its controls: the Fusion
// style with check and option indicators small enough for the window's 13-pixel check boxes,
// and a condensed sans-serif face that has Cyrillic, at sizes in pixels. The language is the one
// of the last choice in the settings, Russian before any, whatever the system's language; Qt's
// own texts (message box buttons, context menus, the file dialog) follow it.
void ConfigureApplication(QApplication& app);

// Captions of labels, buttons, check boxes and frames.
QFont CaptionFont();
// Texts in boxes and on the pictures: a pixel smaller, so that numbers such as "-0.8071" fit the
// narrow input boxes.
QFont BoxFont();

} // namespace kvor::ui
