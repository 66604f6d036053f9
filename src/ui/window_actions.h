#pragma once

#include "pace.h"

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QWidget;

namespace kvor::ui {

// Every action of the main window, and the menus that hold them: "Файл", "Вид", "Справка" in
// the menu bar, with their mnemonics and the desktop's standard keys, and the context menus of
// the two pictures. The window connects them to what they do; later menus ("Расчёт", "Опыты")
// come in through addMenu. Ctrl+S (QKeySequence::Save) is left free for saving experiments.
class WindowActions final : public QObject {
public:
    WindowActions(QWidget& picture1, QWidget& picture2, QMainWindow* window);

    // A menu of the menu bar, before "Справка".
    QMenu* addMenu(const QString& title);

    // Shows `pace` as the one chosen in "Темп показа".
    void showPace(Pace pace);
    // The pace an action of "Темп показа" chooses.
    static Pace paceOf(const QAction& action);

    QAction* saveTrajectories;
    QAction* saveGraph;
    QAction* saveSeries;
    QAction* dataFile;
    QAction* quit;
    QActionGroup* paces;
    QAction* about;
    // The pictures' context menus: save, copy.
    std::array<QAction*, 2> savePicture;
    std::array<QAction*, 2> copyPicture;

private:
    QMainWindow* window_;
    QMenu* help_;
};

} // namespace kvor::ui
