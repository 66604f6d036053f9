#pragma once

#include <QString>

namespace kvor::ui {

// The data file the window starts with: the one the user chose last time ("Файл записи…"), or
// where records go by default.
QString StartingDataFile();

// Remembers `file` as the user's choice for later starts of the program.
void RememberDataFile(const QString& file);

// The tooltip of "Запись": which file the records go to.
QString DataFileToolTip(const QString& file);

} // namespace kvor::ui
