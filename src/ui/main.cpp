#include "application.h"
#include "main_window.h"
#include "pace.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Where the settings live; set before anything reads them.
    QCoreApplication::setOrganizationName(QStringLiteral("Kvor3m"));
    QCoreApplication::setApplicationName(QStringLiteral("kvor3m"));
    kvor::ui::ConfigureApplication(app);

    QCommandLineParser parser;
    const QCommandLineOption pace(QStringLiteral("pace"), QStringLiteral("Темп показа на этот запуск."),
                                  QStringLiteral("slow|normal|fast|max"));
    parser.addOption(pace);
    parser.process(app);
    const auto chosenPace = kvor::ui::PaceByName(parser.value(pace));
    if (parser.isSet(pace) && !chosenPace) {
        std::fprintf(stderr, "kvor3m: --pace takes slow, normal, fast or max\n");
        return 2;
    }

    kvor::ui::MainWindow window;
    if (chosenPace) window.setPace(*chosenPace);
    window.show();
    return app.exec();
}
