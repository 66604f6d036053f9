#include "ui/caption_fit.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

namespace kvor::test {
namespace {

QString captionOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&w)) return frame->title();
    return {};
}

// The window's own controls, not the inner parts that some Qt widgets are made of.
bool isControl(const QWidget& w) {
    static const QRegularExpression name(
        QStringLiteral("^(Text|Label|Check|Option|Command|Picture|Frame)[0-9]+$"));
    return name.match(w.objectName()).hasMatch();
}

using MainWindowLayout = WindowTest;

// 11835 by 8310 twips, and three pixels more for the bottom row's label "T/Mt, см" (8100 + 255
// twips); the menu bar adds its own height above, the status bar its own below.
TEST_F(MainWindowLayout, FixedClientAreaOf789By557UnderTheMenuBarWithCaptionAndIcon) {
    const QWidget* client = window.centralWidget();
    EXPECT_EQ(client->size(), QSize(789, 557));
    EXPECT_EQ(window.size(), QSize(789, 557 + window.menuBar()->height() + window.statusBar()->height()));
    EXPECT_EQ(client->geometry().top(), window.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window.statusBar()->geometry().top(), client->geometry().bottom() + 1);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kvor3m"));
    EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());
}

// Every caption fits its control in the font it is shown in, Cyrillic included, and so do the
// numbers that the worked examples write into the boxes, at the smallest and the largest zoom.
TEST_F(MainWindowLayout, CaptionsAndExampleNumbersAreLegible) {
    for (const int percent : {250, 100}) {
        window.zoom().setPercent(percent);
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!isControl(*w) || captionOf(*w).isEmpty()) continue;
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_TRUE(ui::CaptionFits(*w));
            EXPECT_GE(w->font().pixelSize(), 9);
            EXPECT_TRUE(QFontMetrics(w->font()).inFont(QChar(0x0436))); // ж
            EXPECT_LE(QFontMetrics(w->font()).height(), w->height());
        }
        for (const char* variant : {"Option1", "Option2"}) {
            click(variant);
            for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
                SCOPED_TRACE(edit->objectName().toStdString() + " " + edit->text().toStdString());
                // The box's own frame and the line edit's fixed margin of two pixels each side.
                EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->text()), edit->width() - 2 - 4);
                EXPECT_LE(QFontMetrics(edit->font()).height(), edit->height() - 2);
            }
        }
    }
}

// F11 shows the form at the largest zoom that fits the screen (800 by 600 here), and back at its own.
TEST_F(MainWindowLayout, FullScreenAtTheLargestZoomThatFits) {
    window.zoom().setPercent(200);
    window.setFullScreen(true);
    EXPECT_EQ(window.zoom().percent(), 100);
    window.setFullScreen(false);
    EXPECT_EQ(window.zoom().percent(), 200);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(MainWindowLocale, CommaLocaleWritesDecimalCommas) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ScriptedMessages messages;
    ui::MainWindow window(&messages);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(window.text(Text2), "3,2");
    EXPECT_EQ(window.text(Text9), "-0,8071");
    EXPECT_EQ(window.experiment().settings().decimalSeparator, ',');
}

using OptionButtons = WindowTest;

// The window opens on the ball-ball example, "исходные данные" ticked. The ball-rod button shows
// the rod length and loads its example, but not the angle; without "исходные данные" only what is
// shown changes; clicking the selected button again does nothing.
TEST_F(OptionButtons, ShowTheirBoxesAndLoadTheirExampleWhenInitialDataIsTicked) {
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    for (int i = 1; i <= 13; ++i)
        EXPECT_EQ(control<QCheckBox>(("Check" + std::to_string(i)).c_str())->isChecked(), i == 12) << i;
    // Shown or hidden, and greyed where shown but unused: the ball's charge, its exponent, Ks and
    // +Fm for the rod, the rod-angle tick for two balls. Every input box and check box says what it
    // holds in its tooltip.
    const auto expectShown = [&](bool rod) {
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (!isControl(*w)) continue;
            const bool rodOnly = name == QStringLiteral("Text16") || name == QStringLiteral("Label86");
            const bool ballOnly = name.contains(QRegularExpression(QStringLiteral("^Text1[245]$")));
            EXPECT_EQ(w->isVisible(), rod ? !ballOnly : !rodOnly) << name.toStdString();
            const bool greyed =
                rod ? name.contains(QRegularExpression(QStringLiteral("^(Text(2|22|6)|Check13)$")))
                    : name == QStringLiteral("Check11");
            if (w->isVisible()) {
                EXPECT_EQ(w->isEnabled(), !greyed) << name.toStdString();
            }
            const auto* edit = qobject_cast<const QLineEdit*>(w);
            if ((edit && !edit->isReadOnly()) || qobject_cast<const QCheckBox*>(w)) {
                EXPECT_FALSE(w->toolTip().isEmpty()) << name.toStdString();
            }
        }
    };
    expectShown(false);
    type("Text64", "33");
    click("Option2");
    expectShown(true);
    EXPECT_EQ(box("Text1"), "12");
    EXPECT_EQ(box("Text64"), "33");

    click("Check12");
    click("Option1");
    expectShown(false);
    EXPECT_EQ(box("Text26"), "10000");
    EXPECT_EQ(box("Text1"), "12");

    click("Check12");
    click("Option1");
    EXPECT_EQ(box("Text26"), "10000");
    click("Option2");
    type("Text1", "7");
    click("Option1");
    EXPECT_EQ(box("Text1"), "1");
    EXPECT_EQ(box("Text26"), "15");
    EXPECT_EQ(box("Text64"), "33");
}

} // namespace
} // namespace kvor::test
