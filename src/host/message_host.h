#pragma once

#include <string_view>

namespace kvor {

// Message boxes: modal, titled "Kvor3", with an OK button, with Yes and No, or with the three
// answers of a question about unsaved changes.
class MessageHost {
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~MessageHost() = default;
    // A non-empty `detail` says more in smaller print under the text, for whoever needs to act on
    // it, such as the file and the system's reason behind "Ошибка записи в файл". The window shows
    // it under the text; a host without room for it shows the text alone.
    virtual void info(std::string_view text, std::string_view detail = {}) = 0;
    virtual bool askYesNo(std::string_view text) = 0;
    // "Сохранить", "Не сохранять" or "Отмена".
    virtual SaveAnswer askToSave(std::string_view text) = 0;
};

} // namespace kvor
