#include "application.h"
#include "command_line.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    kvor::ui::IdentifyApplication();
    QApplication app(argc, argv);
    const kvor::ui::CommandLine options = kvor::ui::ReadCommandLine(QApplication::arguments());
    if (options.exitStatus) return *options.exitStatus;
    kvor::ui::ConfigureApplication(app);
    kvor::ui::MainWindow window;
    if (!options.dataFile.isEmpty()) window.useDataFileForThisRun(options.dataFile);
    window.show();
    return app.exec();
}
