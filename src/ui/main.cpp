#include "application.h"
#include "command_line.h"
#include "language.h"
#include "main_window.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    kvor::ui::IdentifyApplication();
    const bool noDisplay = kvor::ui::PrepareForNoDisplay(argc, argv);
    QApplication app(argc, argv);
    // Style, font and the language of the settings, Qt's own texts and the help of the command
    // line included; --language chooses another for this run.
    kvor::ui::ConfigureApplication(app);
    if (const auto language = kvor::ui::LanguageOption(QApplication::arguments()))
        kvor::ui::SetLanguage(*language);
    const kvor::ui::CommandLine options = kvor::ui::ReadCommandLine(QApplication::arguments());
    if (options.exitStatus) return *options.exitStatus;
    if (noDisplay) {
        std::fputs("kvor3m: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    kvor::ui::MainWindow window;
    if (options.lesson && static_cast<std::size_t>(*options.lesson) > window.lessons().size()) {
        std::fprintf(stderr, "kvor3m: --lesson %d: there are %zu lessons\n", *options.lesson,
                     window.lessons().size());
        return 2;
    }
    if (!options.dataFile.isEmpty()) window.useDataFileForThisRun(options.dataFile);
    if (options.pace) window.setPace(*options.pace);
    if (options.zoom) window.zoom().setPercent(*options.zoom);
    window.show();
    // Over the window, so that a message about the file, or the lesson's description, has
    // something to stand on.
    if (!options.experimentFile.isEmpty()) window.openExperiment(options.experimentFile);
    if (options.lesson) window.openLesson(static_cast<std::size_t>(*options.lesson));
    return app.exec();
}
