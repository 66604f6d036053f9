#include "translated_text.h"

#include "core/interface_text.h"

#include <QCoreApplication>

#include <string>

namespace kvor {

QString Translated(std::string_view text) {
    return QCoreApplication::translate(kTextContext.data(), std::string(text).c_str());
}

} // namespace kvor
