#include "ui/about_window.h"
#include "ui/help_text.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace kvor::test {
namespace {

int Count(const std::string& text, std::string_view what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

using AboutWindowTest = WindowTest;

TEST_F(AboutWindowTest, PressedTwiceGivesOneWindowAndCloseDiscardsIt) {
    EXPECT_EQ(window.aboutWindow(), nullptr);
    click("Command6");
    ui::AboutWindow* const about = window.aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About    Kvor3m"));
    EXPECT_EQ(about->size(), QSize(423, 233));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
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
    click("Command1");
    ASSERT_NE(window.aboutWindow(), nullptr);
    EXPECT_TRUE(window.aboutWindow()->isVisible());
    EXPECT_EQ(window.record().NT, 2221);
}

TEST(HelpText, JoinsItsPiecesExactlyWithParagraphsAndItems) {
    const std::string text = ui::HelpText();
    // Line breaks are CR LF pairs only: 46 of them, two after each of the ten paragraphs or lists
    // and one after each of the 26 list items and the two list headings.
    EXPECT_EQ(Count(text, "\r\n"), 46);
    EXPECT_EQ(Count(text, "\n"), 46);
    EXPECT_EQ(Count(text, "\r"), 46);
    EXPECT_EQ(Count(text, "\r\n\r\n"), 10);

    EXPECT_EQ(
        text.rfind("    При загрузке программы вы видите в левом верхнем углу две колонки параметров ", 0),
        0u);
    for (const std::string_view piece : {
             "случае, если при этом деформации шаров не превышают половину их диаметра.\r\n\r\n"
             "      А в варианте удара шара в стержень в программе производится упрощенный расчет ",
             "\r\n\r\n     Для начала эксперимента Вам надо задать следующие параметры тел. \r\n"
             "   m10, m20- массы покоя шаров или m10 для шара и m20 для стержня\r\n   q1, q2- заряды "
             "шаров\r\n",
             "   L2- длина стержня \r\n\r\n"
             "       При загрузке программы Вы видите значения параметров при ударе двух шаров из примера ",
             "Для макро или микро объектов задайте их как, например, 1E+18 или 1,7E-18. ",
             "       А на нижнем рисунке по оси абсцисс в масштабе Mt, который тоже надо  ",
             "      Под правым рисунком выводятся следующие текущие значения параметров шаров, сил "
             "взаимодействия и различных энергий всей системы, состоящей из двух шаров. \r\n"
             "   VX1, VX2, VY1, VY2 - проекции скоростей шаров (стержня) по осям X и Y \r\n",
             "   V1, V2 - суммарные скорости шаров (стержня), а если отмечен чекбокс "
             "<FX, FY> то выводятся проекции по осям силы нормального давления Fc+Fj \r\n",
             "<m1, m2> то массы шаров с учетом преобразований Лоренца, например, m1=m10/Sqr(1-V1^2/Vsv^2), "
             "где Vsv=299*10^6 м/c - скорость света в пустоте. \r\n",
             "значительных деформациях шаров. \r\n   Fm=66.7*10^-12*m1*m2/LR/LR",
             "по абсолютной величине 0,001м, т.е. трение покоя не перешло в трение движения, то Fs=0). \r\n",
             "\r\nПри ударе двух шаров Вы также можете посмотреть в окошках <Угол1> и <Угол2> "
             "угол между вектором скоростей шаров и осью X, а в окошке <Угол m1,m2> "
             "угол между линией соединяющей центры масс шаров и осью X. \r\n\r\n"
             "       При работе программы Вы можете, нажав кнопку <Остановить>, прекратить ",
             "Если Вы читаете этот текст -значит Вы нажали кнопку <About>. "
             "А если Вы устали от программы, то нажмите кнопку <Выход>. \r\n\r\n"
             "     Для самых любознательных в центре экрана выводятся значения энергии системы ",
             "\r\n\r\n      А функция <Реверс>, позволяет ",
             "\r\n\r\n     Но, к сожалению в реальных системах всегда есть трение и такое движение не "
             "возможно. ",
         })
        EXPECT_NE(text.find(piece), std::string::npos) << piece;

    // The described paragraphs carry their content.
    for (const std::string_view word : {"Рунге-Кутта", "Mx", "Mv", "<Показать тела>", "<Начать эксперимент>",
                                        "<Продолжить>", "NC0file", "Kvor.dat", "-2,5 м/с", "10 и -5 м/с"})
        EXPECT_NE(text.find(word), std::string::npos) << word;

    // A neutral close: no addresses, and the text ends with its closing line, not a break.
    for (const std::string_view contact : {"@", "http", "www", "e-mail"})
        EXPECT_EQ(text.find(contact), std::string::npos);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    EXPECT_GT(text.size() - text.rfind("\r\n"), 20u);
}

} // namespace
} // namespace kvor::test
