#pragma once

#include "host/message_host.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvor {

// A translation of the interface's texts: a text marked with Tr in another language, any text it
// does not know as it is.
using Translation = std::function<std::string(std::string_view)>;

// A message's text or detail in the language of `translation`: whole where it is one marked
// text; otherwise line by line, and a line "name: text" by its name and its text, as the refusal
// of a box says it ("m10: масса должна быть больше 0", "шаг: не число"). Lines that are no marked text,
// such as a file's path, stay as they are. Without a translation the text as it is.
std::string TranslatedText(std::string_view text, const Translation& translation);

// A marked `pattern` in the language of `translation`, its %1, %2, ... replaced by `args` in
// order: a text composed of words and numbers, which is translated as one.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> args,
                   const Translation& translation);

// Message boxes whose texts are translated on their way to the host that shows them: the edge at
// which the engine's messages take the user's language.
class TranslatedMessages final : public MessageHost {
public:
    TranslatedMessages(MessageHost& shown, Translation translation)
        : shown_(shown), translation_(std::move(translation)) {}

    void info(std::string_view text, std::string_view detail = {}) override;
    bool askYesNo(std::string_view text) override;
    SaveAnswer askToSave(std::string_view text) override;

private:
    MessageHost& shown_;
    Translation translation_;
};

} // namespace kvor
