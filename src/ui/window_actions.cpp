#include "window_actions.h"

#include "child_object.h"
#include "window_zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kvor::ui {

namespace {

QAction* addAction(QWidget& owner, const QString& text) {
    QAction* action = CreateChild<QAction>(&owner, text);
    owner.addAction(action);
    return action;
}

QMenu* addMenuTo(QMenuBar& bar, const QString& title, const QString& name) {
    QMenu* menu = CreateChild<QMenu>(&bar, title);
    menu->setObjectName(name);
    bar.addMenu(menu);
    return menu;
}

} // namespace

WindowActions::WindowActions(QWidget& picture1, QWidget& picture2, QWidget& energyWindow, QMainWindow* window)
    : QObject(window), window_(window) {
    QMenuBar& bar = *window->menuBar();

    QMenu* file = addMenuTo(bar, QStringLiteral("&Файл"), QStringLiteral("FileMenu"));
    openExperiment = addAction(*file, QStringLiteral("Открыть опыт…"));
    openExperiment->setShortcut(QKeySequence::Open);
    recentExperiments = CreateChild<QMenu>(file, QStringLiteral("Последние опыты"));
    recentExperiments->setObjectName(QStringLiteral("RecentExperiments"));
    file->addMenu(recentExperiments);
    saveExperiment = addAction(*file, QStringLiteral("Сохранить опыт"));
    saveExperiment->setShortcut(QKeySequence::Save);
    saveExperimentAs = addAction(*file, QStringLiteral("Сохранить опыт как…"));
    saveExperimentAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    experimentDescription = addAction(*file, QStringLiteral("Описание опыта…"));
    file->addSeparator();
    saveTrajectories = addAction(*file, QStringLiteral("Сохранить траектории…"));
    saveGraph = addAction(*file, QStringLiteral("Сохранить график…"));
    saveSeries = addAction(*file, QStringLiteral("Сохранить ряд данных (CSV)…"));
    dataFile = addAction(*file, QStringLiteral("Файл записи…"));
    file->addSeparator();
    quit = addAction(*file, QStringLiteral("Выход"));
    quit->setShortcut(QKeySequence::Quit);

    QMenu* view = addMenuTo(bar, QStringLiteral("&Вид"), QStringLiteral("ViewMenu"));
    QMenu* pace = CreateChild<QMenu>(view, QStringLiteral("Темп показа"));
    view->addMenu(pace);
    paces = CreateChild<QActionGroup>(this);
    for (const Pace p : kPaces) {
        QAction* action = addAction(*pace, PaceCaption(p));
        action->setCheckable(true);
        action->setData(static_cast<int>(p));
        paces->addAction(action);
    }
    energyGraph = addAction(*view, QStringLiteral("График энергий"));
    impacts = addAction(*view, QStringLiteral("Удары"));
    QMenu* zoom = CreateChild<QMenu>(view, QStringLiteral("Масштаб"));
    zoom->setObjectName(QStringLiteral("ZoomMenu"));
    view->addMenu(zoom);
    zooms = CreateChild<QActionGroup>(this);
    for (const int percent : kZoomPercents) {
        QAction* action = addAction(*zoom, QStringLiteral("%1 %").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        zooms->addAction(action);
    }
    zoom->addSeparator();
    zoomIn = addAction(*zoom, QStringLiteral("Крупнее"));
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut = addAction(*zoom, QStringLiteral("Мельче"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    zoomReset = addAction(*zoom, QStringLiteral("Обычный размер"));
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fullScreen = addAction(*view, QStringLiteral("Во весь экран"));
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(Qt::Key_F11);
    unitAxes = addAction(*view, QStringLiteral("Оси в единицах величин"));
    unitAxes->setCheckable(true);

    QMenu* run = addMenuTo(bar, QStringLiteral("&Расчёт"), QStringLiteral("RunMenu"));
    QMenu* end = CreateChild<QMenu>(run, QStringLiteral("Конец опыта"));
    run->addMenu(end);
    runEnds = CreateChild<QActionGroup>(this);
    const std::pair<RunEnd::Kind, const char*> ends[] = {
        {RunEnd::Kind::Capacity, "При заполнении траектории"},
        {RunEnd::Kind::Time, "Через заданное время…"},
        {RunEnd::Kind::Separated, "После разлёта тел"},
    };
    for (const auto& [kind, caption] : ends) {
        QAction* action = addAction(*end, QString::fromUtf8(caption));
        action->setCheckable(true);
        action->setData(static_cast<int>(kind));
        runEnds->addAction(action);
    }
    exactContact = addAction(*run, QStringLiteral("Точная модель контакта"));
    exactContact->setCheckable(true);
    run->addSeparator();
    studyStep = addAction(*run, QStringLiteral("Проверить шаг…"));

    help_ = addMenuTo(bar, QStringLiteral("&Справка"), QStringLiteral("HelpMenu"));
    about = addAction(*help_, QStringLiteral("О программе"));
    about->setShortcut(Qt::Key_F1);

    // A right-click on a picture saves it or copies it to the clipboard.
    QWidget* const pictures[] = {&picture1, &picture2, &energyWindow};
    for (std::size_t i = 0; i < 3; ++i) {
        pictures[i]->setContextMenuPolicy(Qt::ActionsContextMenu);
        savePicture[i] = addAction(*pictures[i], QStringLiteral("Сохранить рисунок…"));
        copyPicture[i] = addAction(*pictures[i], QStringLiteral("Копировать"));
    }
}

QMenu* WindowActions::addMenu(const QString& title) {
    QMenu* menu = CreateChild<QMenu>(window_->menuBar(), title);
    window_->menuBar()->insertMenu(help_->menuAction(), menu);
    return menu;
}

void WindowActions::showPace(Pace pace) {
    for (QAction* action : paces->actions()) action->setChecked(paceOf(*action) == pace);
}

Pace WindowActions::paceOf(const QAction& action) {
    return static_cast<Pace>(action.data().toInt());
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
