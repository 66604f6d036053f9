// The real message boxes, answered by a timer that finds the modal box as a user would see it.

#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

// Presses `answer` on the next modal message box; returns what it showed: its title, text,
// informative text and buttons.
QString AnswerNextBox(QMessageBox::StandardButton answer, const std::function<void()>& show) {
    QString seen;
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isModal());
        seen = QStringList{box->windowTitle(), box->text(), box->informativeText(),
                           QString::number(box->standardButtons())}
                   .join('|');
        box->button(answer)->click();
    });
    show();
    return seen;
}

TEST(MessageBoxes, ModalTitledKvor3WithOkOrYesAndNo) {
    QWidget owner;
    int refreshed = 0;
    ui::QtMessageHost host(&owner, [&] { ++refreshed; });
    const QString ok = QString::number(QMessageBox::Ok),
                  yesNo = QString::number(QMessageBox::Yes | QMessageBox::No);

    EXPECT_EQ(AnswerNextBox(QMessageBox::Ok, [&] { host.info("Шар должен лететь слева направо"); }),
              "Kvor3|Шар должен лететь слева направо||" + ok);
    EXPECT_EQ(AnswerNextBox(QMessageBox::Ok, [&] { host.info("Ошибка", "/home/u/kvor.dat\nNo space left"); }),
              "Kvor3|Ошибка|/home/u/kvor.dat\nNo space left|" + ok);
    bool yes = true;
    EXPECT_EQ(AnswerNextBox(QMessageBox::No, [&] { yes = host.askYesNo("Продолжить?"); }),
              "Kvor3|Продолжить?||" + yesNo);
    EXPECT_FALSE(yes);
    AnswerNextBox(QMessageBox::Yes, [&] { yes = host.askYesNo("Продолжить?"); });
    EXPECT_TRUE(yes);
    MessageHost::SaveAnswer answer{};
    EXPECT_EQ(AnswerNextBox(QMessageBox::Discard, [&] { answer = host.askToSave("Сохранить?"); }),
              "Kvor3|Сохранить?||" +
                  QString::number(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel));
    EXPECT_EQ(answer, MessageHost::SaveAnswer::Discard);
    EXPECT_EQ(refreshed, 5); // the pictures are brought up to date before every box
}

} // namespace
} // namespace kvor::test
