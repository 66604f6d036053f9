#pragma once

#include <QStringList>

#include <optional>
#include <string_view>

namespace kvor::ui {

// The languages of the window. Its texts are written in Russian; the English ones come from
// translations/kvor3m_en.ts, built into the program.
enum class Language { Russian, English };

// "ru", "en": the names of the command line, the settings and the lessons' tagged lines.
std::string_view LanguageName(Language language);
std::optional<Language> LanguageByName(std::string_view name);

// Installs the translations of `language` in the application, in place of those installed
// before: the program's own (none for Russian, the language its texts are written in) and Qt's
// from the system, qtbase_ru or qtbase_en, for the buttons of the message boxes, the context
// menus and the file dialog. Every widget then gets a LanguageChange event and shows its texts
// again. The decimal separator stays the one of the user's locale.
void SetLanguage(Language language);
// The language last installed; Russian before any.
Language CurrentLanguage();

// The language that --language asks for in `arguments`, if it names one, so that the help of the
// command line is written in it too.
std::optional<Language> LanguageOption(const QStringList& arguments);

} // namespace kvor::ui
