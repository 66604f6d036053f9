#include "ui/application.h"
#include "ui/layout_table.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <set>

namespace kvor::test {
namespace {

using ui::Kind;

QString captionOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&w)) return frame->title();
    return {};
}

bool isOfKind(const QWidget& w, Kind kind) {
    switch (kind) {
    case Kind::Label:
        return qobject_cast<const QLabel*>(&w);
    case Kind::TextBox:
        return qobject_cast<const QLineEdit*>(&w);
    case Kind::CheckBox:
        return qobject_cast<const QCheckBox*>(&w);
    case Kind::OptionButton:
        return qobject_cast<const QRadioButton*>(&w);
    case Kind::Frame:
        return qobject_cast<const QGroupBox*>(&w);
    case Kind::Button:
        return qobject_cast<const QPushButton*>(&w);
    case Kind::Picture:
        return dynamic_cast<const ui::CanvasWidget*>(&w);
    }
    return false;
}

// The window's own controls, not the inner parts that some Qt widgets are made of.
bool isControl(const QWidget& w) {
    static const QRegularExpression name(
        QStringLiteral("^(Text|Label|Check|Option|Command|Picture|Frame)[0-9]+$"));
    return name.match(w.objectName()).hasMatch();
}

using MainWindowLayout = WindowTest;

// 11835 by 8310 twips, and three pixels more for the bottom row's label "T/Mt, см" (8100 + 255
// twips); the menu bar adds its own height above.
TEST_F(MainWindowLayout, FixedClientAreaOf789By557UnderTheMenuBarWithCaptionAndIcon) {
    const QWidget* client = window.centralWidget();
    EXPECT_EQ(client->size(), QSize(789, 557));
    EXPECT_EQ(window.size(), QSize(789, 557 + window.menuBar()->height()));
    EXPECT_EQ(client->geometry().top(), window.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kvor3m"));
    EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());
}

// Places worked out by hand from twips (15 to a pixel), including captions with their blanks.
TEST_F(MainWindowLayout, ControlsSitWhereTheirTwipsSay) {
    EXPECT_EQ(control("Text29")->geometry(), QRect(424, 176, 65, 19));
    EXPECT_EQ(control("Command10")->geometry(), QRect(160, 248, 171, 20));
    EXPECT_EQ(control("Picture1")->geometry(), QRect(496, 0, 293, 293));
    EXPECT_EQ(control("Picture2")->geometry(), QRect(24, 296, 409, 241));
    EXPECT_EQ(control("Check11")->geometry(), QRect(360, 272, 17, 17));
    EXPECT_EQ(control("Check2")->geometry(), QRect(728, 536, 57, 13));
    EXPECT_EQ(control("Frame1")->geometry(), QRect(213, 24, 121, 66));
    EXPECT_EQ(control("Option2")->parentWidget(), control("Frame1"));
    EXPECT_EQ(control("Option2")->geometry(), QRect(8, 30, 113, 13));
    EXPECT_EQ(captionOf(*control("Command1")), QStringLiteral(" Начать эксперимент  "));
    EXPECT_EQ(captionOf(*control("Command5")), QStringLiteral("Очистить  рисунки"));
    EXPECT_EQ(captionOf(*control("Label86")), QStringLiteral("Длинна стержня, м"));
    EXPECT_EQ(captionOf(*control("Label87")), QStringLiteral("NCOfile"));
    EXPECT_TRUE(captionOf(*control("Check3")).isEmpty());
}

TEST_F(MainWindowLayout, EveryControlOfTheTableExistsOnceUnderItsName) {
    std::set<std::string_view> names;
    int texts = 0, labels = 0, checks = 0, buttons = 0;
    for (const ui::ControlRow& row : ui::MainWindowControls()) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_TRUE(names.insert(row.name).second);
        const auto found = window.findChildren<QWidget*>(QString::fromUtf8(row.name.data(), row.name.size()));
        ASSERT_EQ(found.size(), 1);
        const QWidget& w = *found.front();
        EXPECT_TRUE(isOfKind(w, row.kind));
        EXPECT_EQ(w.geometry(), QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        EXPECT_EQ(w.parentWidget()->objectName(),
                  row.inFrame ? QStringLiteral("Frame1") : QStringLiteral("ClientArea"));
        EXPECT_EQ(captionOf(w), QString::fromUtf8(row.caption.data(), row.caption.size()));
        texts += row.kind == Kind::TextBox;
        labels += row.kind == Kind::Label;
        checks += row.kind == Kind::CheckBox;
        buttons += row.kind == Kind::Button;
    }
    EXPECT_EQ(texts, 67);
    EXPECT_EQ(labels, 93);
    EXPECT_EQ(checks, 13);
    EXPECT_EQ(buttons, 9);
}

// Every caption fits its control in the font it is shown in, Cyrillic included, and so do the
// numbers that the worked examples write into the boxes.
TEST_F(MainWindowLayout, CaptionsAndExampleNumbersAreLegible) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!isControl(*w) || captionOf(*w).isEmpty()) continue;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(ui::CaptionFits(*w));
        EXPECT_GE(w->font().pixelSize(), 9);
        EXPECT_TRUE(QFontMetrics(w->font()).inFont(QChar(0x0436))); // ж
        EXPECT_EQ(QFontMetrics(w->font()).height() <= w->height(), true);
    }
    const auto checkBoxes = [&] {
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            SCOPED_TRACE(edit->objectName().toStdString() + " " + edit->text().toStdString());
            // The box's own frame and the line edit's fixed margin of two pixels each side.
            const int room = edit->width() - 2 - 4;
            EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->text()), room);
            EXPECT_LE(QFontMetrics(edit->font()).height(), edit->height() - 2);
        }
    };
    checkBoxes();
    click("Option2");
    checkBoxes();
}

using MainWindowStartUp = WindowTest;

TEST_F(MainWindowStartUp, BallBallExampleWithOption1SelectedAndInitialDataTicked) {
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option2")->isChecked());
    for (int i = 1; i <= 13; ++i) {
        const std::string name = "Check" + std::to_string(i);
        EXPECT_EQ(control<QCheckBox>(name.c_str())->checkState(), i == 12 ? Qt::Checked : Qt::Unchecked)
            << name;
    }
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!isControl(*w)) continue;
        const bool hidden = name == QStringLiteral("Text16") || name == QStringLiteral("Label86");
        EXPECT_EQ(w->isVisible(), !hidden) << name.toStdString();
    }
    // The example as the user reads it: masses of 1 kg, charges 3.2E-19 and 0, diameters 1 m, ...
    const std::pair<const char*, const char*> expected[] = {
        {"Text1", "1"},    {"Text11", "1"},     {"Text21", "0"},      {"Text2", "3.2"},
        {"Text12", "0"},   {"Text22", "-19"},   {"Text3", "1"},       {"Text13", "1"},
        {"Text4", "400"},  {"Text14", "400"},   {"Text6", "0"},       {"Text16", "1"},
        {"Text7", "1"},    {"Text18", "10"},    {"Text9", "-0.8071"}, {"Text20", "-1.7071"},
        {"Text26", "15"},  {"Text51", "0.02"},  {"Text29", "0.5"},    {"Text30", "3"},
        {"Text61", "100"}, {"Text54", "1E-05"}, {"Text55", "20"},     {"Text57", "1000"},
        {"Text64", "0"},   {"Text66", "0"},     {"Text67", "0"},      {"Text31", ""},
        {"Text58", ""},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(box(name), text) << name;
    EXPECT_EQ(window.text(Text20), "-1.7071");
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

TEST_F(OptionButtons, BallRodShowsTheRodLengthAndLoadsItsExampleButNotTheAngle) {
    type("Text64", "33");
    click("Option2");
    for (const char* name : {"Text12", "Text14", "Text15"}) EXPECT_FALSE(control(name)->isVisible()) << name;
    for (const char* name : {"Text16", "Label86", "Label12", "Label14", "Label15"})
        EXPECT_TRUE(control(name)->isVisible()) << name;
    EXPECT_EQ(box("Text1"), "12");
    EXPECT_EQ(box("Text11"), "24");
    EXPECT_EQ(box("Text24"), "5");
    EXPECT_EQ(box("Text26"), "10000");
    EXPECT_EQ(box("Text54"), "1E-06");
    EXPECT_EQ(box("Text55"), "100");
    EXPECT_EQ(box("Text10"), "-0.5");
    EXPECT_EQ(box("Text64"), "33");

    // Without "исходные данные" only the visibility changes.
    click("Check12");
    click("Option1");
    for (const char* name : {"Text12", "Text14", "Text15"}) EXPECT_TRUE(control(name)->isVisible()) << name;
    for (const char* name : {"Text16", "Label86"}) EXPECT_FALSE(control(name)->isVisible()) << name;
    EXPECT_EQ(box("Text26"), "10000");
    EXPECT_EQ(box("Text1"), "12");

    // With it, the ball-ball example comes back; clicking the selected button again does nothing.
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

TEST_F(OptionButtons, TypedTextReachesTheEngineAtOnce) {
    auto* step = control<QLineEdit>("Text54");
    step->clear();
    QTest::keyClicks(step, "0.25");
    EXPECT_EQ(window.text(Text54), "0.25");
    window.setText(Text30, "7,5");
    EXPECT_EQ(box("Text30"), "7,5");
    EXPECT_EQ(window.text(Text30), "7,5");
}

} // namespace
} // namespace kvor::test
