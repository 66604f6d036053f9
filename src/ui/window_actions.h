#pragma once

#include "control/run_end.h"
#include "language.h"
#include "pace.h"

#include <QObject>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QWidget;

namespace kvor::ui {

// Every action of the main window, and the menus that hold them: "Файл", "Вид", "Справка" in
// the menu bar, with their mnemonics and the desktop's standard keys, and the context menus of
// the two pictures. The window connects them to what they do; later menus ("Расчёт", "Опыты")
// come in through addMenu. "Файл" opens and saves experiment files (Ctrl+O, Ctrl+S,
// Ctrl+Shift+S), "Расчёт" → "Конец опыта" chooses how the runs end, "Точная модель контакта" the
// contact law and "Проверить шаг…" studies the step of the run so far; "Вид" holds the zoom, full
// screen (F11), the axes in the quantities' units and "Язык", the language. Every caption is kept
// as its marked text and shown translated; retranslate shows them all again in the language
// installed now.
class WindowActions final : public QObject {
public:
    WindowActions(QWidget& picture1, QWidget& picture2, QWidget& energyWindow, QMainWindow* window);

    // A menu of the menu bar, before "Справка", with a title marked with Tr.
    QMenu* addMenu(std::string_view title);
    void retranslate();

    // Shows `pace` as the one chosen in "Темп показа".
    void showPace(Pace pace);
    // The pace an action of "Темп показа" chooses.
    static Pace paceOf(const QAction& action);
    // Shows `kind` as the one chosen in "Конец опыта".
    void showRunEnd(RunEnd::Kind kind);
    static RunEnd::Kind runEndOf(const QAction& action);
    // Shows `language` as the one chosen in "Язык".
    void showLanguage(Language language);
    static Language languageOf(const QAction& action);
    // Shows `percent` as the one chosen in "Масштаб".
    void showZoom(int percent);

    QAction* openExperiment;
    QMenu* recentExperiments; // filled by the window when it is about to show
    QAction* saveExperiment;
    QAction* saveExperimentAs;
    QAction* experimentDescription;
    QActionGroup* runEnds;
    QAction* exactContact; // "Расчёт" → "Точная модель контакта", a check item
    QAction* studyStep;    // "Расчёт" → "Проверить шаг…"
    QAction* saveTrajectories;
    QAction* saveGraph;
    QAction* saveSeries;
    QAction* dataFile;
    QAction* quit;
    QActionGroup* paces;
    QActionGroup* languages;
    QAction* about;
    QAction* energyGraph; // "Вид" → "График энергий"
    QAction* impacts;     // "Вид" → "Удары"
    QActionGroup* zooms;  // "Вид" → "Масштаб": the percents, their data
    QAction* zoomIn;      // Ctrl++
    QAction* zoomOut;     // Ctrl+−
    QAction* zoomReset;   // Ctrl+0
    QAction* fullScreen;  // F11
    QAction* unitAxes;    // "Оси в единицах величин"
    // The pictures' context menus: save, copy; the third is the energy graph's.
    std::array<QAction*, 3> savePicture;
    std::array<QAction*, 3> copyPicture;

private:
    QAction* addAction(QWidget& owner, std::string_view caption);
    QMenu* addSubmenu(QWidget& owner, std::string_view title, const char* name = nullptr);

    QMainWindow* window_;
    QMenu* help_;
    std::vector<std::pair<QAction*, std::string_view>> captions_; // with their marked texts
};

} // namespace kvor::ui
