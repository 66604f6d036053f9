// One walk over every text the user can read: the widgets, menus, actions and tooltips of the main
// window and of its other windows, Qt's own buttons, and every message the message boxes can
// show. In Russian it finds the texts as they are specified (texts_ru.txt), in English only
// English ones (texts_en.txt); KVOR_TEXTS_UPDATE=1 writes the two files instead.

#include "control/input_reader.h"
#include "control/messages.h"
#include "host/box_table.h"
#include "ui/caption_fit.h"
#include "ui/energy_graph_window.h"
#include "ui/language.h"
#include "ui/user_settings.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace kvor::test {
namespace {

QStringList walk(ui::MainWindow& window, ScriptedMessages& messages) {
    QStringList texts;
    const auto add = [&](const QObject& o, const char* what, QString text) {
        // The test's own folder is the one text that changes from run to run.
        text.replace('\n', "\\n").replace(QRegularExpression("/kvor3m-\\w{6}/"), "/kvor3m-XXXXXX/");
        if (!text.isEmpty()) texts << o.objectName() + ' ' + what + ": " + text;
    };
    QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
    for (QAbstractButton* button : box.buttons()) add(box, "button", button->text());
    for (const QObject* o : window.findChildren<QObject*>()) {
        if (const auto* action = qobject_cast<const QAction*>(o)) add(*action, "action", action->text());
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w) continue;
        if (w->isWindow()) add(*w, "title", w->windowTitle());
        add(*w, "tooltip", w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w)) add(*w, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) add(*w, "text", button->text());
        if (const auto* frame = qobject_cast<const QGroupBox*>(w)) add(*w, "text", frame->title());
        if (const auto* help = qobject_cast<const QPlainTextEdit*>(w)) add(*w, "text", help->toPlainText());
        if (const auto* table = qobject_cast<const QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                add(*w, "heading", table->horizontalHeaderItem(c)->text());
        const bool captioned =
            w->objectName().contains(QRegularExpression("^(Label|Check|Option|Command|Frame)"));
        if (captioned) {
            EXPECT_TRUE(ui::CaptionFits(*w)) << w->objectName().toStdString();
        }
    }
    messages.shown.clear(), messages.details.clear();
    for (const std::string_view message : messages::kAll) window.messages().info(message);
    for (int n = 1; n <= kTextBoxCount; ++n)
        for (const bool ruleBroken : {false, true})
            if (IsInputBox(TextBox(n)) && (!ruleBroken || RowOf(TextBox(n)).rule != Rule::None))
                window.messages().info(messages::kEnterDataCorrectly,
                                       RefusedBoxText(TextBox(n), window, ruleBroken));
    window.messages().askYesNo(messages::kEqQuestion); // last: a question has no detail
    for (std::size_t i = 0; i < messages.shown.size(); ++i) {
        const std::string detail = i < messages.details.size() ? " | " + messages.details[i] : "";
        texts << QString::fromStdString("message: " + messages.shown[i] + detail).replace('\n', "\\n");
    }
    return texts;
}

void expectTexts(const QStringList& texts, const QString& file) {
    const QString path = QStringLiteral(KVOR_TESTS_SOURCE_DIR "/ui/") + file;
    QFile golden(path);
    if (qEnvironmentVariableIsSet("KVOR_TEXTS_UPDATE")) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly)) << path.toStdString();
        golden.write((texts.join('\n') + '\n').toUtf8());
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ((texts.join('\n') + '\n').toStdString(), golden.readAll().toStdString()) << file.toStdString();
}

struct Languages : WindowTest {
    ~Languages() override {
        ui::UserSettings::setLanguage(ui::Language::Russian), ui::SetLanguage(ui::Language::Russian);
    }
    // As the user chooses it in "Вид" → "Язык".
    void choose(int item) {
        window.findChild<QMenu*>("LanguageMenu")->actions().at(item)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

// The window changes its language at once, with the About window and the energy graph open, and
// the choice is kept for the next session.
TEST_F(Languages, EnglishHasNoCyrillicAndRussianIsAsSpecified) {
    click("Command6");
    window.setRunEnd(*ParseRunEnd("time", "0.1")); // the status bar names the time and an impact
    clickAndRun("Command1");
    auto& graph = *static_cast<ui::EnergyGraphWindow*>(control("EnergyGraph"));
    graph.showChanges(); // the run drawn, so that only the language differs below
    const QImage russianGraph = graph.image().copy(); // a copy of its own: the canvas draws in place
    choose(1);
    const auto expectEnglish = [](const QStringList& texts) {
        for (const QString& text : texts)
            EXPECT_FALSE(text.contains(QRegularExpression("[\u0400-\u04FF]"))) << text.toStdString();
    };
    const QStringList english = walk(window, messages);
    expectEnglish(english);
    expectTexts(english, "texts_en.txt");
    EXPECT_NE(graph.image(), russianGraph);
    EXPECT_EQ(ui::UserSettings::language(), ui::Language::English);
    choose(0);
    expectTexts(walk(window, messages), "texts_ru.txt");
    EXPECT_EQ(ui::UserSettings::language(), ui::Language::Russian);

    // An experiment file's title in the window's language, its untagged one in Russian.
    choose(1);
    ASSERT_TRUE(window.openExperiment(KVOR_TESTS_SOURCE_DIR "/scenarios/experiments/experiment_save.kvs"));
    EXPECT_EQ(window.windowTitle(), "Oblique impact #1 — Kvor3m");
    expectEnglish(walk(window, messages)); // "Описание опыта" too
    choose(0);
    EXPECT_EQ(window.windowTitle(), "Косой удар #1: шары с трением — Kvor3m");
}

} // namespace
} // namespace kvor::test
