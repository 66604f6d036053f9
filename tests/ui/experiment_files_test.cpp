// Experiment files in the window: a saved set-up means the same experiment when it is opened, a
// file that cannot be opened changes nothing, and a run ends where "Конец опыта" says.

#include "ui/user_settings.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <algorithm>

#include <optional>

namespace kvor::test {
namespace {

using ExperimentFiles = WindowTest;

void writeFile(const QString& file, const char* text) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
}

// Every box and check box, the variant and the caption: what the user sees of a set-up.
std::vector<std::string> shownState(ui::MainWindow& w) {
    std::vector<std::string> state{w.windowTitle().toStdString(),
                                   w.isSelected(OptionButton::Option2) ? "rod" : "ball"};
    for (QLineEdit* box : w.findChildren<QLineEdit*>()) state.push_back(box->text().toStdString());
    for (QCheckBox* box : w.findChildren<QCheckBox*>()) state.emplace_back(box->isChecked() ? "on" : "off");
    return state;
}

// Typed in a fresh window and saved; opened in another fresh window: the same records at the first
// Start, and saved again, the same bytes.
TEST_F(ExperimentFiles, ASavedSetUpOpensAsTheSameExperiment) {
    window.setRunEnd({}); // whatever another test left in the settings
    click("Option2");
    type("Text7", "25,5");
    type("Text29", "0.25");
    control<QLineEdit>("Text30")->setText("12"); // a scale whose edit is not finished: saved as shown
    control<QAbstractButton>("Check11")->click();
    type("Text64", "15");
    control<QAbstractButton>("Check9")->click();
    const QString file = dir_.path() + "/опыт.kvs", again = dir_.path() + "/again.kvs";
    ASSERT_TRUE(window.saveExperimentTo(file));
    EXPECT_EQ(window.windowTitle(), "опыт.kvs — Kvor3m");

    ui::MainWindow opened(&messages);
    opened.experiment().setDataFile(dataFile().string() + ".opened");
    opened.setPace(ui::Pace::Max);
    ASSERT_TRUE(opened.openExperiment(file));
    EXPECT_EQ(shownState(opened), shownState(window));
    ASSERT_TRUE(opened.saveExperimentTo(again));
    EXPECT_EQ(FileText(file.toStdString()), FileText(again.toStdString()));
    for (ui::MainWindow* w : {&window, &opened}) {
        w->findChild<QAbstractButton*>("Check2")->setChecked(true);
        ClickAndRun(*w, "Command1");
    }
    EXPECT_EQ(FileText(dataFile()), FileText(dataFile().string() + ".opened"));
    EXPECT_GT(FileText(dataFile()).size(), 1000u);
    // Other tests add theirs to the same settings at the same time.
    const QStringList recent = ui::UserSettings::recentExperiments();
    EXPECT_TRUE(recent.contains(again) && recent.contains(file)) << recent.join(' ').toStdString();
}

// A file that cannot be understood leaves the window as it was and says where and why; a good
// one starts from the start-up state, shows its title, notes and skipped lines, and runs to its end.
TEST_F(ExperimentFiles, OpeningIsAllOrNothingAndStartsFromTheStartUpState) {
    type("Text1", "7");
    control<QAbstractButton>("Check13")->click();
    const std::vector<std::string> before = shownState(window);
    const QString bad = dir_.path() + "/bad.kvs", good = dir_.path() + "/good.kvs";
    writeFile(bad, "variant ball-rod\nset m10 5\nstrat\n");
    for (const QString& file : {bad, dir_.path() + "/missing.kvs"}) {
        EXPECT_FALSE(window.openExperiment(file));
        EXPECT_EQ(shownState(window), before);
    }
    ASSERT_EQ(messages.shown, std::vector<std::string>(2, "Не удалось открыть опыт"));
    EXPECT_EQ(messages.details[0], (bad + "\nстрока 3: strat\nunknown command strat").toStdString());
    EXPECT_EQ(messages.details[1],
              (dir_.path() + "/missing.kvs\nФайл или каталог не существует").toStdString());

    writeFile(good, "title Удар #3\ntitle[en] Impact #3\nnote Смотрите на w2.\nnote\nstart\nset VX1 3\ndata "
                    "x.dat\nend separated\n");
    messages.shown.clear();
    messages.details.clear();
    ASSERT_TRUE(window.openExperiment(good));
    EXPECT_EQ(box("Text1"), "1");
    EXPECT_EQ(box("Text7"), "3");
    EXPECT_FALSE(control<QCheckBox>("Check13")->isChecked());
    EXPECT_EQ(window.windowTitle(), "Удар #3 — Kvor3m");
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_NE(window.descriptionWindow(), nullptr);
    EXPECT_EQ(control<QLabel>("DescriptionTitle")->text(), "Удар #3");
    EXPECT_EQ(control<QPlainTextEdit>("DescriptionNotes")->toPlainText(), "Смотрите на w2.\n");
    EXPECT_EQ(control<QLabel>("RunState")->text(), "Опыт открыт: good.kvs; пропущены строки 5, 7");
    EXPECT_FALSE(window.experiment().running());
    clickAndRun("Command1");
    EXPECT_EQ(control<QLabel>("RunState")->text(), "Опыт завершён: тела разлетелись");
    EXPECT_TRUE(messages.shown.empty()); // no message box at the end
}

// Every lesson that comes with the program has a title, notes on what to watch and two or three
// questions, in Russian and in English; "Опыты" lists them all by title, and one chosen opens as a
// file does, its description in a window of its own, the file never to be saved over.
TEST_F(ExperimentFiles, OpytyListsEveryLessonAndOpensIt) {
    const std::vector<Lesson>& lessons = window.lessons();
    ASSERT_GE(lessons.size(), 12u);
    const QList<QAction*> items = window.findChild<QMenu*>("LessonMenu")->actions();
    ASSERT_EQ(items.size(), qsizetype(lessons.size()));
    for (std::size_t n = 0; n < lessons.size(); ++n) {
        for (const char* tag : {"", "en"}) {
            const ExperimentText::Language* text = lessons[n].text.shownTo(tag);
            ASSERT_TRUE(text && text->tag == tag && text->title && !text->title->empty()) << n << tag;
            const auto questions =
                std::ranges::count_if(text->notes, [](auto& note) { return note.find('?') != note.npos; });
            EXPECT_TRUE(questions >= 2 && questions <= 3 && text->notes.size() > std::size_t(questions)) << n;
        }
        EXPECT_EQ(items[qsizetype(n)]->text().toStdString(), *lessons[n].text.shownTo("ru")->title);
    }
    items[9]->trigger();
    EXPECT_EQ(window.windowTitle(), items[9]->text() + " — Kvor3m");
    ASSERT_TRUE(window.descriptionWindow() && window.descriptionWindow()->isVisible());
    EXPECT_TRUE(window.experimentFile().isEmpty());
}

// "Выход" asks only when the file "Сохранить опыт" would write differs from the one last opened or
// saved (the start-up one before either); the answer decides whether the window goes.
TEST_F(ExperimentFiles, ExitAsksToSaveOnlyAChangedSetUp) {
    using A = MessageHost::SaveAnswer;
    const QString file = dir_.path() + "/опыт.kvs";
    struct Case {
        const char* change; // a box typed into, or a check box clicked
        const char* text;
        bool saveFirst;
        std::optional<A> answer; // none: not asked
        bool closes;
    } const cases[] = {
        {"Check2", nullptr, false, {}, true},    // "Запись"
        {"Text7", "3", false, A::Cancel, false}, // the run, if any, goes on
        {"Check13", nullptr, false, A::Discard, true},
        {"Text29", "0.25", false, A::Save, true}, // saved to the file opened before
        {"Text7", "-1.5", true, {}, true},        // saved as it is now
    };
    ASSERT_TRUE(window.saveExperimentTo(file));
    for (const Case& c : cases) {
        ASSERT_TRUE(window.openExperiment(file));
        window.show();
        c.text ? type(c.change, c.text) : click(c.change);
        if (c.saveFirst) window.saveExperimentTo(file);
        messages.saveQuestions = 0;
        if (c.answer) messages.saveAnswers = {*c.answer};
        click("Command4");
        EXPECT_EQ(messages.saveQuestions, c.answer ? 1 : 0) << c.change;
        EXPECT_EQ(window.isVisible(), !c.closes) << c.change;
        if (c.answer == A::Save) {
            EXPECT_NE(FileText(file.toStdString()).find("set Mx 0.25\n"), std::string::npos);
        }
    }
}

TEST_F(ExperimentFiles, TheMenusOpenSaveAndChooseTheEnd) {
    QMenu* file = window.findChild<QMenu*>("FileMenu");
    QStringList texts;
    for (const QAction* a : file->actions()) texts << a->text();
    EXPECT_EQ(texts.mid(0, 5), QStringList({"Открыть опыт…", "Последние опыты", "Сохранить опыт",
                                            "Сохранить опыт как…", "Описание опыта…"}));
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(file->actions()[2]->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(file->actions()[3]->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QMenu* end = window.findChild<QMenu*>("RunMenu")->actions().at(0)->menu();
    EXPECT_EQ(end->title(), "Конец опыта");
    const QList<QAction*> ends = end->actions();
    ASSERT_EQ(ends.size(), 3);
    EXPECT_TRUE(ends[0]->isChecked());
    // Kept in the settings; put back at once, for the windows of other tests.
    ends[2]->trigger();
    const RunEnd kept = ui::UserSettings::runEnd();
    ends[0]->trigger();
    EXPECT_EQ(kept.kind, RunEnd::Kind::Separated);
    EXPECT_EQ(window.experiment().runEnd().kind, RunEnd::Kind::Capacity);
    // "Точная модель контакта" checks and unchecks the law of the runs, kept as well.
    QAction* exact = window.findChild<QMenu*>("RunMenu")->actions().at(1);
    EXPECT_EQ(exact->text(), "Точная модель контакта");
    exact->trigger();
    const bool keptExact = ui::UserSettings::exactContact();
    EXPECT_TRUE(window.experiment().exactContact());
    exact->trigger();
    EXPECT_TRUE(keptExact);
    EXPECT_FALSE(window.experiment().exactContact() || ui::UserSettings::exactContact());
}

} // namespace
} // namespace kvor::test
