// The window as a student types into it: scales, a box that cannot be read, the keyboard, controls
// that are drawn whole, and Qt's own texts in Russian.

#include "control/messages.h"
#include "core/number_text.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <vector>

namespace kvor::test {
namespace {

using Typing = WindowTest;

// "0.5" typed into Mx during a run passes through "0", which as a scale would end the run. The
// text counts only once editing is finished; a finished 0 then ends the run as it always did.
TEST_F(Typing, AScaleIsTakenWhenItsEditIsFinished) {
    QApplication::setActiveWindow(&window);
    auto* mx = control<QLineEdit>("Text29");
    QTimer typing;
    typing.setInterval(0);
    QObject::connect(&typing, &QTimer::timeout, [&] {
        const Long nt = window.record().NT;
        if (nt == 10) mx->selectAll(), QTest::keyClicks(mx, "0");
        if (nt == 20) QTest::keyClicks(mx, ".25"), QTest::keyClick(mx, Qt::Key_Return);
        if (nt == 30)
            mx->setFocus(), mx->selectAll(), QTest::keyClicks(mx, "0"), QTest::keyClick(mx, Qt::Key_Tab);
    });
    typing.start();
    clickAndRun("Command1");
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(messages::kLightSpeed)});
    EXPECT_EQ(window.record().NT, 31);
    EXPECT_EQ(window.text(Text29), "0");
    // Points are stored divided by Mx: by 0.5 up to update 20, by 0.25 after it. Body 1 moves by
    // a few millimetres meanwhile.
    EXPECT_NEAR(window.track().TrX1[25] / window.track().TrX1[15], 2, 0.01);
}

// Found by Start (a mantissa, a step count) or by Show bodies.
TEST_F(Typing, TheBoxThatCannotBeReadGetsTheFocusWithItsTextSelected) {
    for (const auto& [name, button] :
         {std::pair{"Text13", "Command1"}, {"Text57", "Command1"}, {"Text3", "Command7"}}) {
        type(name, "1,2,3");
        click(button);
        EXPECT_EQ(messages.shown.back(), messages::kEnterDataCorrectly);
        EXPECT_EQ(window.focusWidget(), control(name));
        EXPECT_EQ(control<QLineEdit>(name)->selectedText(), "1,2,3");
        type(name, "1");
    }
}

using Keyboard = WindowTest;

TEST_F(Keyboard, TabWalksTheInputsInReadingOrderThenTheButtonsAndEnterPressesOne) {
    QApplication::setActiveWindow(&window);
    std::vector<QWidget*> inputs;
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        const bool input = box->focusPolicy() & Qt::TabFocus;
        EXPECT_EQ(box->isReadOnly(), !input) << box->objectName().toStdString();
        if (input && box->isVisible()) inputs.push_back(box);
    }
    EXPECT_EQ(inputs.size(), 38u - 1); // Text16 is hidden in the ball-ball variant
    const auto place = [&](QWidget* w) { return w->mapTo(&window, QPoint()); };
    std::sort(inputs.begin(), inputs.end(), [&](QWidget* a, QWidget* b) {
        return std::pair(place(a).y(), place(a).x()) < std::pair(place(b).y(), place(b).x());
    });
    inputs.front()->setFocus();
    for (std::size_t i = 1; i < inputs.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), inputs[i]) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control("Command1"));

    control("Command7")->setFocus();
    const QImage before = picture1().image().copy();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_NE(picture1().image(), before) << "Return on Показать тела draws the bodies";
}

using Legibility = WindowTest;

// Every check box and option button shows its whole square or circle and its caption, and no
// control reaches past the client area.
TEST_F(Legibility, ControlsAreDrawnWholeInsideTheWindow) {
    const QRect client(QPoint(), window.centralWidget()->size());
    for (QWidget* w : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
    for (QAbstractButton* box : window.findChildren<QAbstractButton*>()) {
        const bool check = qobject_cast<QCheckBox*>(box), option = qobject_cast<QRadioButton*>(box);
        if (!check && !option) continue;
        SCOPED_TRACE(box->objectName().toStdString());
        QStyleOptionButton style;
        style.initFrom(box);
        const QRect square = box->style()->subElementRect(
            check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &style, box);
        ASSERT_TRUE(box->rect().contains(square));
        EXPECT_LE(box->fontMetrics().height(), box->height());
        // The rows in which the square or circle is drawn span its whole height.
        const QImage drawn = box->grab().toImage();
        const int background = qGray(drawn.pixel(box->width() - 1, box->height() - 1));
        int first = box->height(), last = -1;
        for (int y = 0; y < box->height(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                if (std::abs(qGray(drawn.pixel(x, y)) - background) > 30)
                    first = std::min(first, y), last = y;
        EXPECT_GE(last - first + 1, square.height() - 1);
        EXPECT_LT(last, box->height() - 1);
    }
}

TEST_F(Legibility, RealTimeInHundredthsFromTheWindowsOpening) {
    clickAndRun("Command10"); // NC0 steps before any start
    const std::string shown = box("Text56");
    ASSERT_EQ(shown.size() - shown.find('.'), 3u) << shown;
    EXPECT_LT(*ParseNumber(shown), 60);
}

// Whatever the language of the system (the tests run under LANG=C), Qt's own texts are Russian.
TEST(QtTexts, QuestionButtonsAndContextMenusAreRussian) {
    QMessageBox box(QMessageBox::NoIcon, "Kvor3", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
    QLineEdit edit("1");
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text().remove('&');
    EXPECT_TRUE(texts.join(' ').contains("Копировать")) << texts.join(' ').toStdString();
}

} // namespace
} // namespace kvor::test
