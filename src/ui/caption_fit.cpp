#include "caption_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace kvor::ui {

namespace {

// The smallest font a caption is given to make it fit, in pixels.
constexpr int kSmallestPixels = 9;

// The room a button-like control leaves for its text, by its style.
int textRoom(const QAbstractButton& button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button).width();
}

} // namespace

bool CaptionFits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    const auto fits = [&](const QString& text, int room) {
        return text.isEmpty() || metrics.horizontalAdvance(text) <= room;
    };
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height() <= room.height();
        return fits(label->text(), room.width()) && metrics.height() <= room.height();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control))
        return fits(box->text(), textRoom(*box, QStyle::SE_CheckBoxContents)) &&
               metrics.height() <= box->height();
    if (const auto* option = qobject_cast<const QRadioButton*>(&control))
        return fits(option->text(), textRoom(*option, QStyle::SE_RadioButtonContents)) &&
               metrics.height() <= option->height();
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return fits(button->text(), textRoom(*button, QStyle::SE_PushButtonContents)) &&
               metrics.height() <= button->height();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return fits(frame->title(), frame->width() - 2 * metrics.averageCharWidth());
    return true;
}

bool FitCaption(QWidget& control) {
    QFont font = control.font();
    for (int pixels = font.pixelSize(); pixels >= kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        for (int spacing = 100; spacing >= 92; spacing -= 2) {
            font.setLetterSpacing(QFont::PercentageSpacing, spacing);
            control.setFont(font);
            if (CaptionFits(control)) return true;
        }
    }
    return false;
}

} // namespace kvor::ui
