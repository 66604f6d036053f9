#pragma once

#include "control/step_study.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

class QWidget;

namespace kvor::ui {

class RunTimer;

// "Расчёт" → "Проверить шаг…" in the window: the study made in pieces from a timer, each piece a
// few tens of milliseconds of steps, with a progress dialog whose "Отмена" ends it; then its
// table in a dialog, with a button that copies the table as text. Nothing inside a piece
// processes events. The run is held from the start of the study until the table is closed, as
// under a message box. The object deletes itself when the study is cancelled or its table closed.
class StepStudyWindow final : public QObject {
public:
    StepStudyWindow(StudyStart start, char decimalSeparator, RunTimer& runTimer, QWidget* window);
    ~StepStudyWindow() override;

private:
    void advance();
    void showTable();

    QWidget* window_;
    StepStudy study_;
    char decimalSeparator_;
    // Both may go before this object when the window closes.
    QPointer<RunTimer> runTimer_;
    QTimer timer_;
    QPointer<QProgressDialog> progress_;
};

} // namespace kvor::ui
