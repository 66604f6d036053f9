#pragma once

#include "control/run_end.h"
#include "language.h"
#include "pace.h"

#include <QString>
#include <QStringList>

namespace kvor::ui {

// The user's settings, kept by Qt in ~/.config/Kvor3m/kvor3m.conf: every key with its default is
// here and nowhere else.
class UserSettings {
public:
    // "pace": the pace of the last session's choice; "Обычно" before any.
    static Pace pace();
    static void setPace(Pace pace);

    // "language": the language of the last choice in "Вид" → "Язык", "ru" or "en"; Russian before
    // any.
    static Language language();
    static void setLanguage(Language language);

    // "view/zoom": the zoom of the windows in per cent, one of kZoomPercents; 100 before any.
    static int zoom();
    static void setZoom(int percent);

    // "recording/dataFile": the data file chosen with "Файл записи…"; empty before any.
    static QString dataFile();
    static void setDataFile(const QString& file);

    // "experiments/recent": the experiment files last opened or saved, the newest first, at most
    // kRecentExperiments; empty before any.
    static constexpr int kRecentExperiments = 8;
    static QStringList recentExperiments();
    static void addRecentExperiment(const QString& file);

    // "run/end" and "run/endTime": how the runs end, as chosen in "Конец опыта"; at the track's
    // capacity before any choice, or when what is kept cannot be read.
    static RunEnd runEnd();
    static void setRunEnd(const RunEnd& end);

    // "run/exactContact": whether the runs take the exact contact law, as chosen in "Точная модель
    // контакта"; off before any choice.
    static bool exactContact();
    static void setExactContact(bool exact);
};

} // namespace kvor::ui
