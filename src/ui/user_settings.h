#pragma once

#include "pace.h"

#include <QString>

namespace kvor::ui {

// The user's settings, kept by Qt in ~/.config/Kvor3m/kvor3m.conf: every key with its default is
// here and nowhere else.
class UserSettings {
public:
    // "pace": the pace of the last session's choice; "Обычно" before any.
    static Pace pace();
    static void setPace(Pace pace);

    // "recording/dataFile": the data file chosen with "Файл записи…"; empty before any.
    static QString dataFile();
    static void setDataFile(const QString& file);
};

} // namespace kvor::ui
