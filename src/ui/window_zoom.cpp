#include "window_zoom.h"

#include "caption_fit.h"

#include <QLayout>
#include <QMenu>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kvor::ui {

namespace {

// What a widget is at 100 %, kept on the widget itself.
constexpr auto kPlace = "kvorZoomPlace";
constexpr auto kFont = "kvorZoomFont";
constexpr auto kFixedSize = "kvorZoomFixedSize";
constexpr auto kFactor = "kvorZoomFactor";

int times(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

// The edges multiplied, so that controls that touch at 100 % touch at every zoom.
QRect times(const QRect& place, double factor) {
    return QRect(QPoint(times(place.left(), factor), times(place.top(), factor)),
                 QPoint(times(place.right() + 1, factor) - 1, times(place.bottom() + 1, factor) - 1));
}

// `window` and its widgets, the menus of its menu bar included, but not the other windows it
// owns: they follow the zoom by themselves.
void collect(QWidget& widget, QList<QWidget*>& widgets) {
    widgets.push_back(&widget);
    for (QObject* child : widget.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && (!w->isWindow() || qobject_cast<QMenu*>(w))) collect(*w, widgets);
    }
}

// A window's size is its layout's or its user's, never a fixed one multiplied.
void remember(QWidget& window) {
    QList<QWidget*> widgets;
    collect(window, widgets);
    for (QWidget* w : widgets) {
        if (!w->property(kFont).isValid()) w->setProperty(kFont, w->font());
        if (!w->isWindow() && !w->property(kFixedSize).isValid() && w->minimumSize() == w->maximumSize())
            w->setProperty(kFixedSize, w->minimumSize());
    }
}

void zoom(QWidget& window, double factor) {
    const double before = ZoomOf(&window);
    window.setProperty(kFactor, factor);
    QList<QWidget*> widgets;
    collect(window, widgets);
    for (QWidget* w : widgets) {
        if (!w->property(kFont).isValid()) continue; // came after the window joined
        QFont font = w->property(kFont).value<QFont>();
        if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, times(font.pixelSize(), factor)));
        else
            font.setPointSizeF(font.pointSizeF() * factor);
        w->setFont(font);
        if (auto* follower = dynamic_cast<ZoomFollower*>(w))
            follower->zoomTo(factor);
        else if (const QVariant fixed = w->property(kFixedSize); fixed.isValid())
            w->setFixedSize(fixed.toSize() * factor);
        if (const QVariant place = w->property(kPlace); place.isValid()) {
            w->setGeometry(times(place.toRect(), factor));
            FitCaption(*w);
        }
    }
    // The window takes the size of what it holds now, not at the next turn of the event loop.
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it)
        if ((*it)->layout()) (*it)->layout()->activate();
    // A window the user sizes grows and shrinks with the zoom from the size it has.
    if (window.minimumSize() != window.maximumSize() && before != factor)
        window.resize(window.size() * (factor / before));
}

} // namespace

double ZoomOf(const QWidget* widget) {
    const QVariant factor = widget ? widget->window()->property(kFactor) : QVariant();
    return factor.isValid() ? factor.toDouble() : 1.0;
}

void Place(QWidget& control, const QRect& place) {
    control.setProperty(kPlace, place);
    control.setGeometry(place);
}

void WindowZoom::setPercent(int percent) {
    if (percent == percent_ ||
        std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) == kZoomPercents.end())
        return;
    percent_ = percent;
    emit changed(percent);
}

void WindowZoom::step(int direction) {
    const auto at = std::find(kZoomPercents.begin(), kZoomPercents.end(), percent_) - kZoomPercents.begin();
    const auto next = std::clamp<std::ptrdiff_t>(at + direction, 0, kZoomPercents.size() - 1);
    setPercent(kZoomPercents[static_cast<std::size_t>(next)]);
}

void WindowZoom::follow(QWidget& window) {
    remember(window);
    if (factor() != 1.0) zoom(window, factor());
    connect(this, &WindowZoom::changed, &window, [this, w = &window] { zoom(*w, factor()); });
}

} // namespace kvor::ui
