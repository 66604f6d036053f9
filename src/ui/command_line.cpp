#include "command_line.h"

#include "core/interface_text.h"
#include "view/translated_text.h"
#include "window_zoom.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace kvor::ui {

namespace {

void write(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Translated(
        Tr("Kvor3m", "Учебная модель удара двух тел на плоскости: двух шаров или шара и стержня.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QString fileName = Translated(Tr("Kvor3m", "файл"));
    const QCommandLineOption data(QStringLiteral("data"),
                                  Translated(Tr("Kvor3m", "Дописывать записи в этом запуске в файл <файл> "
                                                          "(выбор в окне не меняется).")),
                                  fileName);
    parser.addOption(data);
    const QCommandLineOption pace(
        QStringLiteral("pace"),
        Translated(Tr("Kvor3m", "Темп показа в этом запуске (выбор в окне не меняется).")),
        QStringLiteral("slow|normal|fast|max"));
    parser.addOption(pace);
    const QCommandLineOption language(
        QStringLiteral("language"),
        Translated(Tr("Kvor3m", "Язык окна в этом запуске (выбор в окне не меняется).")),
        QStringLiteral("en|ru"));
    parser.addOption(language);
    const QCommandLineOption lesson(QStringLiteral("lesson"),
                                    Translated(Tr("Kvor3m", "Открыть опыт номер <N> из меню «Опыты».")),
                                    QStringLiteral("N"));
    parser.addOption(lesson);
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        Translated(Tr("Kvor3m", "Масштаб окон в этом запуске, в процентах (выбор в окне не меняется).")),
        QStringLiteral("100|125|150|200|250"));
    parser.addOption(zoom);
    parser.addPositionalArgument(fileName, Translated(Tr("Kvor3m", "Открыть опыт из файла (.kvs).")),
                                 QLatin1Char('[') + fileName + QLatin1Char(']'));

    CommandLine options;
    const bool parsed = parser.parse(arguments);
    bool lessonNumber = false;
    const int lessonGiven = parser.value(lesson).toInt(&lessonNumber);
    QString mistake;
    if (!parsed)
        mistake = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        mistake = Translated(Tr("Kvor3m", "Лишний аргумент: %1")).arg(parser.positionalArguments().at(1));
    else if (parser.isSet(pace) && !PaceByName(parser.value(pace)))
        mistake =
            Translated(Tr("Kvor3m", "--pace: slow, normal, fast или max, а не %1")).arg(parser.value(pace));
    else if (parser.isSet(language) && !LanguageByName(parser.value(language).toStdString()))
        mistake = Translated(Tr("Kvor3m", "--language: en или ru, а не %1")).arg(parser.value(language));
    else if (parser.isSet(lesson) && (!lessonNumber || lessonGiven < 1))
        mistake = Translated(Tr("Kvor3m", "--lesson: номер опыта от 1, а не %1")).arg(parser.value(lesson));
    else if (parser.isSet(lesson) && !parser.positionalArguments().isEmpty())
        mistake = Translated(Tr("Kvor3m", "Или --lesson, или файл опыта"));
    const auto percent = [&] {
        bool number = false;
        const int p = parser.value(zoom).toInt(&number);
        const bool listed = std::find(kZoomPercents.begin(), kZoomPercents.end(), p) != kZoomPercents.end();
        return number && listed ? std::optional<int>(p) : std::nullopt;
    };
    if (mistake.isEmpty() && parser.isSet(zoom) && !percent())
        mistake =
            Translated(Tr("Kvor3m", "--zoom: 100, 125, 150, 200 или 250, а не %1")).arg(parser.value(zoom));
    if (!mistake.isEmpty()) {
        write(stderr, mistake + QLatin1Char('\n') + parser.helpText());
        options.exitStatus = 2;
    } else if (parser.isSet(help)) {
        write(stdout, parser.helpText());
        options.exitStatus = 0;
    } else if (parser.isSet(version)) {
        write(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        options.exitStatus = 0;
    }
    options.dataFile = parser.value(data);
    if (!parser.positionalArguments().isEmpty())
        options.experimentFile = parser.positionalArguments().constFirst();
    options.pace = PaceByName(parser.value(pace));
    options.language = LanguageByName(parser.value(language).toStdString());
    if (parser.isSet(lesson) && lessonNumber) options.lesson = lessonGiven;
    if (parser.isSet(zoom)) options.zoom = percent();
    return options;
}

bool PrepareForNoDisplay(int argc, const char* const* argv) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

} // namespace kvor::ui
