#include "application.h"

#include "build_info.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTranslator>

namespace kvor::ui {

namespace {

constexpr int kCaptionPixels = 11;
constexpr int kSmallestPixels = 9;

QFont makeFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

// The room a button-like control leaves for its text, by its style.
int textRoom(const QAbstractButton& button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button).width();
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
// indicators: a square or circle of 11 pixels is drawn whole inside them.
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
            return kIndicatorPixels;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// Qt's own texts (Yes and No, the context menu of a text box, the file dialog) in Russian, as the
// rest of the program, whatever the language of the system.
void loadQtTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app); // owned by the application
    if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

void ConfigureApplication(QApplication& app) {
    // The proxy style belongs to the application from here on.
    app.setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setFont(CaptionFont());
    loadQtTranslations(app);
}

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
