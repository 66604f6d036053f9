// The real message boxes, answered by a timer that finds the modal box as a user would see it.

#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace kvor::test {
namespace {

struct SeenBox {
    QString title, text, detail;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
};

// Presses `answer` on the next modal message box, after noting what it showed.
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->informativeText(), box->standardButtons(),
                box->isModal()};
        box->button(answer)->click();
    });
}

TEST(MessageBoxes, ModalTitledKvor3WithOkOrYesAndNo) {
    QWidget owner;
    int refreshed = 0;
    ui::QtMessageHost host(&owner, [&] { ++refreshed; });

    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    host.info("Шар должен лететь слева направо");
    EXPECT_EQ(seen.title, QStringLiteral("Kvor3"));
    EXPECT_EQ(seen.text, QStringLiteral("Шар должен лететь слева направо"));
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.detail.isEmpty());

    AnswerNextBox(seen, QMessageBox::Ok);
    host.info("Ошибка записи в файл", "/home/u/kvor.dat\nNo space left on device");
    EXPECT_EQ(seen.text, QStringLiteral("Ошибка записи в файл"));
    EXPECT_EQ(seen.detail, QStringLiteral("/home/u/kvor.dat\nNo space left on device"));

    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(host.askYesNo("Продолжить эксперимент ?"));
    EXPECT_EQ(seen.title, QStringLiteral("Kvor3"));
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    AnswerNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(host.askYesNo("Продолжить эксперимент ?"));
    EXPECT_EQ(refreshed, 4); // the pictures are brought up to date before every box
}

} // namespace
} // namespace kvor::test
