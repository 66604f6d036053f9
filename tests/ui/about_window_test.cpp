#include "ui/about_window.h"
#include "ui/help_text.h"
#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace kvor::test {
namespace {

using AboutWindowTest = WindowTest;

TEST_F(AboutWindowTest, PressedTwiceGivesOneWindowAndCloseDiscardsIt) {
    EXPECT_EQ(window.aboutWindow(), nullptr);
    click("Command6");
    ui::AboutWindow* const about = window.aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About    Kvor3m"));
    EXPECT_EQ(about->size(), QSize(423, 233));
    // Made larger, it wraps the help text again at the new width: fewer lines to scroll.
    const auto lines = [about] { return about->helpBox().document()->firstBlock().layout()->lineCount(); };
    QCoreApplication::processEvents();
    const int before = lines();
    about->resize(846, 466);
    QCoreApplication::processEvents();
    EXPECT_LT(lines(), before * 2 / 3);
    EXPECT_EQ(about->helpBox().width(), 846);
    EXPECT_EQ(about->pos() - QGuiApplication::primaryScreen()->geometry().topLeft(), QPoint(21, 336));
    EXPECT_FALSE(about->isModal());

    about->helpBox().appendPlainText(QStringLiteral("правка"));
    about->helpBox().verticalScrollBar()->setValue(about->helpBox().verticalScrollBar()->maximum());
    click("Command6");
    EXPECT_EQ(window.aboutWindow(), about);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->isVisible() && w->windowTitle() == QStringLiteral("About    Kvor3m");
    EXPECT_EQ(windows, 1);

    // "Закрыть" discards the window with the user's edit; the next one starts from the top.
    auto* const close = about->findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
    close->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.aboutWindow(), nullptr);
    click("Command6");
    ASSERT_NE(window.aboutWindow(), nullptr);
    QPlainTextEdit& help = window.aboutWindow()->helpBox();
    const QString expected =
        QString::fromStdString(ui::HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(help.toPlainText(), expected);
    EXPECT_EQ(help.verticalScrollBar()->value(), 0);
    EXPECT_EQ(help.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(help.isReadOnly());
}

TEST_F(AboutWindowTest, StaysOpenWhileAnExperimentRuns) {
    click("Command6");
    clickAndRun("Command1");
    ASSERT_NE(window.aboutWindow(), nullptr);
    EXPECT_TRUE(window.aboutWindow()->isVisible());
    EXPECT_EQ(window.record().NT, 2221);
    EXPECT_EQ(control<QLabel>("RunState")->text(),
              "Расчёт окончен: Увеличьте NC0 (не хватает массива для точек траектории)");
}

} // namespace
} // namespace kvor::test
