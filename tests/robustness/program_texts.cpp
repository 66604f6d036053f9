#include "program_texts.h"

#include <algorithm>
#include <initializer_list>

namespace kvor::test {

bool IsProgramMessage(std::string_view text) {
    return std::find(kProgramMessages.begin(), kProgramMessages.end(), text) != kProgramMessages.end();
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool IsNumberText(std::string_view text, char separator) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    int significant = 0, digits = 0;
    const auto readDigits = [&] {
        const std::size_t start = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            if (text[i] != '0' || significant > 0) ++significant;
            ++digits;
        }
        return i - start;
    };
    if (readDigits() == 0) return false;
    if (i < text.size() && text[i] == separator) {
        ++i;
        if (readDigits() == 0 || text[i - 1] == '0') return false;
    }
    if (significant > 15) return false;
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i == text.size() || (text[i] != '+' && text[i] != '-')) return false;
        ++i;
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i - start < 2 || i - start > 3) return false;
    }
    return i == text.size() && digits > 0;
}

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Reads one labelled line at `pos`: each label followed by a number, then CR LF.
std::string lineFault(std::string_view contents, std::size_t& pos,
                      std::initializer_list<std::string_view> labels, char separator) {
    for (const std::string_view label : labels) {
        if (contents.substr(pos, label.size()) != label)
            return "expected the label \"" + std::string(label) + "\" at offset " + std::to_string(pos);
        pos += label.size();
        std::size_t end = pos;
        while (end < contents.size() && contents[end] != ' ' && contents[end] != '\r' &&
               contents[end] != '\n')
            ++end;
        const std::string_view number = contents.substr(pos, end - pos);
        if (!IsNumberText(number, separator))
            return "\"" + std::string(number) + "\" after \"" + std::string(label) + "\" is not a number";
        pos = end;
    }
    if (contents.substr(pos, kLineEnd.size()) != kLineEnd)
        return "a labelled line does not end in CR LF at offset " + std::to_string(pos);
    pos += kLineEnd.size();
    return {};
}

std::string recordFault(std::string_view contents, std::size_t& pos, char separator) {
    std::string fault = lineFault(contents, pos, {"T= ", "    Alfa= "}, separator);
    if (fault.empty())
        fault = lineFault(
            contents, pos,
            {"m1= ", "    J1= ", "    V1= ", "    w1= ", "    X1= ", "    Y1= ", "    VX1= ", "    VY1= "},
            separator);
    if (fault.empty())
        fault = lineFault(
            contents, pos,
            {"m2= ", "    J2= ", "    V2= ", "    w2= ", "    X2= ", "    Y2= ", "    VX2= ", "    VY2= "},
            separator);
    if (fault.empty())
        fault = lineFault(
            contents, pos,
            {"F= ", "    Fc+Fj= ", "    Fm= ", "    Fq= ", "    Fs= ", "    Vs= ", "    E0= ", "    E= "},
            separator);
    if (!fault.empty()) return fault;
    for (int emptyLine = 0; emptyLine < 2; ++emptyLine) {
        if (contents.substr(pos, kLineEnd.size()) != kLineEnd)
            return "a record is not followed by two empty lines at offset " + std::to_string(pos);
        pos += kLineEnd.size();
    }
    return {};
}

} // namespace

std::string DataFileFault(std::string_view contents, char separator) {
    std::size_t pos = 0;
    while (pos < contents.size()) {
        std::string fault = recordFault(contents, pos, separator);
        if (!fault.empty()) return fault;
    }
    return {};
}

int DataRecordCount(std::string_view contents, char separator) {
    std::size_t pos = 0;
    int records = 0;
    while (pos < contents.size() && recordFault(contents, pos, separator).empty()) ++records;
    return records;
}

} // namespace kvor::test
