#include "window_actions.h"

#include "child_object.h"
#include "core/interface_text.h"
#include "view/translated_text.h"
#include "window_zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kvor::ui {

QAction* WindowActions::addAction(QWidget& owner, std::string_view caption) {
    QAction* action = CreateChild<QAction>(&owner);
    owner.addAction(action);
    captions_.emplace_back(action, caption);
    return action;
}

QMenu* WindowActions::addSubmenu(QWidget& owner, std::string_view title, const char* name) {
    QMenu* menu = CreateChild<QMenu>(&owner);
    if (name) menu->setObjectName(QString::fromLatin1(name));
    captions_.emplace_back(menu->menuAction(), title);
    if (auto* bar = qobject_cast<QMenuBar*>(&owner))
        bar->addMenu(menu);
    else
        static_cast<QMenu&>(owner).addMenu(menu);
    return menu;
}

WindowActions::WindowActions(QWidget& picture1, QWidget& picture2, QWidget& energyWindow, QMainWindow* window)
    : QObject(window), window_(window) {
    QMenuBar& bar = *window->menuBar();

    QMenu* file = addSubmenu(bar, Tr("Kvor3m", "&Файл"), "FileMenu");
    openExperiment = addAction(*file, Tr("Kvor3m", "Открыть опыт…"));
    openExperiment->setShortcut(QKeySequence::Open);
    recentExperiments = addSubmenu(*file, Tr("Kvor3m", "Последние опыты"), "RecentExperiments");
    saveExperiment = addAction(*file, Tr("Kvor3m", "Сохранить опыт"));
    saveExperiment->setShortcut(QKeySequence::Save);
    saveExperimentAs = addAction(*file, Tr("Kvor3m", "Сохранить опыт как…"));
    saveExperimentAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    experimentDescription = addAction(*file, Tr("Kvor3m", "Описание опыта…"));
    file->addSeparator();
    saveTrajectories = addAction(*file, Tr("Kvor3m", "Сохранить траектории…"));
    saveGraph = addAction(*file, Tr("Kvor3m", "Сохранить график…"));
    saveSeries = addAction(*file, Tr("Kvor3m", "Сохранить ряд данных (CSV)…"));
    dataFile = addAction(*file, Tr("Kvor3m", "Файл записи…"));
    file->addSeparator();
    quit = addAction(*file, Tr("Kvor3m", "Выход"));
    quit->setShortcut(QKeySequence::Quit);

    QMenu* view = addSubmenu(bar, Tr("Kvor3m", "&Вид"), "ViewMenu");
    QMenu* pace = addSubmenu(*view, Tr("Kvor3m", "Темп показа"));
    paces = CreateChild<QActionGroup>(this);
    for (const Pace p : kPaces) {
        QAction* action = addAction(*pace, PaceCaption(p));
        action->setCheckable(true);
        action->setData(static_cast<int>(p));
        paces->addAction(action);
    }
    energyGraph = addAction(*view, Tr("Kvor3m", "График энергий"));
    impacts = addAction(*view, Tr("Kvor3m", "Удары"));
    QMenu* zoom = addSubmenu(*view, Tr("Kvor3m", "Масштаб"), "ZoomMenu");
    zooms = CreateChild<QActionGroup>(this);
    for (const int percent : kZoomPercents) {
        // A number, the same in every language.
        QAction* action = CreateChild<QAction>(zoom, QStringLiteral("%1 %").arg(percent));
        zoom->addAction(action);
        action->setCheckable(true);
        action->setData(percent);
        zooms->addAction(action);
    }
    zoom->addSeparator();
    zoomIn = addAction(*zoom, Tr("Kvor3m", "Крупнее"));
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut = addAction(*zoom, Tr("Kvor3m", "Мельче"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomReset = addAction(*zoom, Tr("Kvor3m", "Обычный размер"));
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fullScreen = addAction(*view, Tr("Kvor3m", "Во весь экран"));
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(Qt::Key_F11);
    unitAxes = addAction(*view, Tr("Kvor3m", "Оси в единицах величин"));
    unitAxes->setCheckable(true);
    // Each language by its name; a language's name is translated too, so that no Cyrillic is
    // left in the English window.
    QMenu* language = addSubmenu(*view, Tr("Kvor3m", "Язык"), "LanguageMenu");
    languages = CreateChild<QActionGroup>(this);
    const std::pair<Language, std::string_view> names[] = {
        {Language::Russian, Tr("Kvor3m", "Русский")},
        {Language::English, "English"},
    };
    for (const auto& [l, name] : names) {
        QAction* action = addAction(*language, name);
        action->setCheckable(true);
        action->setData(static_cast<int>(l));
        languages->addAction(action);
    }

    QMenu* run = addSubmenu(bar, Tr("Kvor3m", "&Расчёт"), "RunMenu");
    QMenu* end = addSubmenu(*run, Tr("Kvor3m", "Конец опыта"));
    runEnds = CreateChild<QActionGroup>(this);
    const std::pair<RunEnd::Kind, std::string_view> ends[] = {
        {RunEnd::Kind::Capacity, Tr("Kvor3m", "При заполнении траектории")},
        {RunEnd::Kind::Time, Tr("Kvor3m", "Через заданное время…")},
        {RunEnd::Kind::Separated, Tr("Kvor3m", "После разлёта тел")},
    };
    for (const auto& [kind, caption] : ends) {
        QAction* action = addAction(*end, caption);
        action->setCheckable(true);
        action->setData(static_cast<int>(kind));
        runEnds->addAction(action);
    }
    exactContact = addAction(*run, Tr("Kvor3m", "Точная модель контакта"));
    exactContact->setCheckable(true);
    run->addSeparator();
    studyStep = addAction(*run, Tr("Kvor3m", "Проверить шаг…"));

    help_ = addSubmenu(bar, Tr("Kvor3m", "&Справка"), "HelpMenu");
    about = addAction(*help_, Tr("Kvor3m", "О программе"));
    about->setShortcut(Qt::Key_F1);

    // A right-click on a picture saves it or copies it to the clipboard.
    QWidget* const pictures[] = {&picture1, &picture2, &energyWindow};
    for (std::size_t i = 0; i < 3; ++i) {
        pictures[i]->setContextMenuPolicy(Qt::ActionsContextMenu);
        savePicture[i] = addAction(*pictures[i], Tr("Kvor3m", "Сохранить рисунок…"));
        copyPicture[i] = addAction(*pictures[i], Tr("Kvor3m", "Копировать"));
    }
    retranslate();
}

QMenu* WindowActions::addMenu(std::string_view title) {
    QMenu* menu = CreateChild<QMenu>(window_->menuBar());
    captions_.emplace_back(menu->menuAction(), title);
    menu->setTitle(Translated(title));
    window_->menuBar()->insertMenu(help_->menuAction(), menu);
    return menu;
}

void WindowActions::retranslate() {
    for (const auto& [action, caption] : captions_) action->setText(Translated(caption));
}

void WindowActions::showPace(Pace pace) {
    for (QAction* action : paces->actions()) action->setChecked(paceOf(*action) == pace);
}

Pace WindowActions::paceOf(const QAction& action) {
    return static_cast<Pace>(action.data().toInt());
}

void WindowActions::showLanguage(Language language) {
    for (QAction* action : languages->actions()) action->setChecked(languageOf(*action) == language);
}

Language WindowActions::languageOf(const QAction& action) {
    return static_cast<Language>(action.data().toInt());
}

void WindowActions::showRunEnd(RunEnd::Kind kind) {
    for (QAction* action : runEnds->actions()) action->setChecked(runEndOf(*action) == kind);
}

void WindowActions::showZoom(int percent) {
    for (QAction* action : zooms->actions()) action->setChecked(action->data().toInt() == percent);
}

RunEnd::Kind WindowActions::runEndOf(const QAction& action) {
    return static_cast<RunEnd::Kind>(action.data().toInt());
}

} // namespace kvor::ui
