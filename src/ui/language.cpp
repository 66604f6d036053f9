#include "language.h"

#include "child_object.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QVariant>

namespace kvor::ui {

namespace {

// The translators the program installed, and the language they are of, are kept by the
// application object, which lives as long as they are needed.
constexpr auto kTranslatorName = "kvor3m-translation";
constexpr auto kLanguageProperty = "kvor3mLanguage";

} // namespace

std::string_view LanguageName(Language language) {
    return language == Language::English ? "en" : "ru";
}

std::optional<Language> LanguageByName(std::string_view name) {
    for (const Language language : {Language::Russian, Language::English})
        if (name == LanguageName(language)) return language;
    return std::nullopt;
}

void SetLanguage(Language language) {
    QCoreApplication* const app = QCoreApplication::instance();
    if (!app) return;
    for (QTranslator* old :
         app->findChildren<QTranslator*>(QString::fromLatin1(kTranslatorName), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const auto install = [app](const QString& file, const QString& folder) {
        auto* translator = CreateChild<QTranslator>(app);
        translator->setObjectName(QString::fromLatin1(kTranslatorName));
        if (translator->load(file, folder)) QCoreApplication::installTranslator(translator);
    };
    const bool english = language == Language::English;
    if (english) install(QStringLiteral("kvor3m_en"), QStringLiteral(":/i18n"));
    install(english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_ru"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    app->setProperty(kLanguageProperty, static_cast<int>(language));
}

Language CurrentLanguage() {
    const QCoreApplication* const app = QCoreApplication::instance();
    return app ? static_cast<Language>(app->property(kLanguageProperty).toInt()) : Language::Russian;
}

std::optional<Language> LanguageOption(const QStringList& arguments) {
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString name;
        if (argument == option && i + 1 < arguments.size())
            name = arguments.at(i + 1);
        else if (argument.startsWith(option + QLatin1Char('=')))
            name = argument.mid(option.size() + 1);
        else
            continue;
        return LanguageByName(name.toStdString());
    }
    return std::nullopt;
}

} // namespace kvor::ui
