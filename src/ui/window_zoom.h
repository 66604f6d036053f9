#pragma once

#include <QObject>
#include <QRect>

#include <array>

class QWidget;

namespace kvor::ui {

// The zooms that "Вид" → "Масштаб" offers, in per cent.
inline constexpr std::array<int, 5> kZoomPercents{100, 125, 150, 200, 250};

// A widget that draws its own image, and so takes its size at a zoom itself: the pictures, drawn
// again from their layers at the zoomed pixel size so that their lines stay crisp.
class ZoomFollower {
public:
    virtual void zoomTo(double factor) = 0;

protected:
    ~ZoomFollower() = default;
};

// The zoom of the window that `widget` is in: 1 before the window follows one.
double ZoomOf(const QWidget* widget);

// Puts a control at `place`, given at 100 %; a window that follows the zoom multiplies it.
void Place(QWidget& control, const QRect& place);

// The zoom of all the program's windows. A window joins with follow(); from then on, for as long as
// it lives, every zoom multiplies the places of its controls (their edges, so that nothing moves
// against anything else), their fonts and fixed sizes, fits the captions again, and lets the
// followers draw their images again. A window that can be resized keeps the size the user gave
// it, multiplied by the change of the zoom.
class WindowZoom final : public QObject {
    Q_OBJECT

public:
    explicit WindowZoom(QObject* parent) : QObject(parent) {}

    int percent() const { return percent_; }
    double factor() const { return percent_ / 100.0; }
    // One of kZoomPercents.
    void setPercent(int percent);
    // The next listed zoom up (+1) or down (-1), kept within the list.
    void step(int direction);

    void follow(QWidget& window);

signals:
    void changed(int percent);

private:
    int percent_ = 100;
};

} // namespace kvor::ui
