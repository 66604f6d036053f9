#include "application.h"

#include "build_info.h"
#include "child_object.h"
#include "language.h"
#include "user_settings.h"
#include "window_zoom.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include <cmath>

namespace kvor::ui {

namespace {

constexpr int kCaptionPixels = 11;

QFont makeFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

void IdentifyApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kvor3m"));
    QCoreApplication::setApplicationName(QStringLiteral("kvor3m"));
    QCoreApplication::setApplicationVersion(
        QString::fromLatin1(build::kVersion.data(), static_cast<qsizetype>(build::kVersion.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("kvor3m"));
}

QFont CaptionFont() {
    return makeFont(kCaptionPixels);
}
QFont BoxFont() {
    return makeFont(kCaptionPixels - 1);
}

namespace {

// The check boxes and option buttons of the window are 13 pixels high, less than the style's own
// indicators: a square or circle of 11 pixels is drawn whole inside them, at the window's zoom.
constexpr int kIndicatorPixels = 11;

class WindowStyle final : public QProxyStyle {
public:
    explicit WindowStyle(QStyle* base) : QProxyStyle(base) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return static_cast<int>(std::lround(kIndicatorPixels * ZoomOf(widget)));
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

void ConfigureApplication(QApplication& app) {
    // The proxy style belongs to the application from here on.
    app.setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setFont(CaptionFont());
    SetLanguage(UserSettings::language());
}

} // namespace kvor::ui
