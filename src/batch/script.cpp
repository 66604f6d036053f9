#include "script.h"

#include "host/box_table.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <utility>

namespace kvor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The next word of `rest`, consumed with the blanks before it.
std::string_view nextWord(std::string_view& rest) {
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    std::size_t n = 0;
    while (n < rest.size() && !isBlank(rest[n])) ++n;
    const std::string_view word = rest.substr(0, n);
    rest.remove_prefix(n);
    return word;
}

// The words after the command, up to a comment.
std::vector<std::string_view> arguments(std::string_view rest) {
    std::vector<std::string_view> words;
    for (std::string_view w = nextWord(rest); !w.empty() && w.front() != '#'; w = nextWord(rest))
        words.push_back(w);
    return words;
}

std::optional<int> numberedControl(std::string_view name, std::string_view prefix, int count) {
    if (!name.starts_with(prefix) || name.size() == prefix.size() || name[prefix.size()] == '0')
        return std::nullopt;
    int n = 0;
    const auto [end, error] = std::from_chars(name.data() + prefix.size(), name.data() + name.size(), n);
    if (error != std::errc{} || end != name.data() + name.size() || n < 1 || n > count) return std::nullopt;
    return n;
}

[[noreturn]] void fail(std::string reason) {
    throw ScriptError{std::move(reason)};
}

// The FILE of a command: the rest of the line without its outer blanks. A NUL byte cannot be part
// of a file's name; the system would take the name as ending there and write another file.
std::string fileName(std::string_view rest, std::string_view usage) {
    const std::string_view name = trimmed(rest);
    if (name.empty()) fail("expected: " + std::string(usage));
    if (name.find('\0') != std::string_view::npos)
        fail("expected: " + std::string(usage) + ", with no NUL byte in the name");
    return std::string(name);
}

// "" for a bare command, "en" for "[en]": letters, digits, '_', '-' or '@' in brackets.
std::optional<std::string> languageTag(std::string_view suffix) {
    if (suffix.empty()) return std::string();
    if (suffix.size() < 3 || suffix.front() != '[' || suffix.back() != ']') return std::nullopt;
    const std::string_view tag = suffix.substr(1, suffix.size() - 2);
    for (const char ch : tag)
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_' && ch != '-' && ch != '@')
            return std::nullopt;
    return std::string(tag);
}

void expectArguments(const std::vector<std::string_view>& args, std::size_t n, std::string_view usage) {
    if (args.size() != n) fail("expected: " + std::string(usage));
}

// A command that takes one of two words, as "impacts on|off": true for the first.
bool firstOfTwo(const std::vector<std::string_view>& args, std::string_view usage, std::string_view first,
                std::string_view second) {
    expectArguments(args, 1, usage);
    if (args[0] != first && args[0] != second) fail("expected: " + std::string(usage));
    return args[0] == first;
}

} // namespace

std::optional<TextBox> TextBoxByName(std::string_view name) {
    if (const auto n = numberedControl(name, "Text", kTextBoxCount)) return static_cast<TextBox>(*n);
    // Rows in the order of their boxes: input boxes come first, so that they win where a panel
    // box shows the same quantity.
    for (const BoxRow& row : box_table::kBoxes)
        for (const std::string_view n : row.names)
            if (!n.empty() && n == name) return row.box;
    return std::nullopt;
}

std::optional<CheckBox> CheckBoxByName(std::string_view name) {
    if (const auto n = numberedControl(name, "Check", kCheckBoxCount)) return static_cast<CheckBox>(*n);
    for (const CheckRow& row : box_table::kChecks)
        for (const std::string_view n : row.names)
            if (!n.empty() && n == name) return row.box;
    return std::nullopt;
}

std::optional<ScriptCommand> ParseScriptLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view rest = line;
    const std::string_view word = nextWord(rest);
    if (word.empty() || word.front() == '#') return std::nullopt;

    using Kind = ScriptCommand::Kind;
    ScriptCommand c;
    if (word == "set") {
        c.kind = Kind::Set;
        const std::string_view name = nextWord(rest);
        if (name.empty()) fail("expected: set NAME TEXT");
        const auto box = TextBoxByName(name);
        if (!box) fail("no text box is called " + std::string(name));
        c.box = *box;
        if (!rest.empty()) rest.remove_prefix(1); // the blank between NAME and TEXT
        c.text = std::string(rest);
        return c;
    }
    if (word == "data" || word == "csv" || word == "open" || word == "save") {
        const std::pair<std::string_view, Kind> files[] = {
            {"data", Kind::Data}, {"csv", Kind::Csv}, {"open", Kind::Open}, {"save", Kind::Save}};
        for (const auto& [name, kind] : files)
            if (word == name) c.kind = kind;
        c.text = fileName(rest, std::string(word) + " FILE");
        return c;
    }
    // A title or a note is text to the end of the line: a '#' in it is not a comment.
    for (const auto& [name, kind] :
         {std::pair{std::string_view("title"), Kind::Title}, {"note", Kind::Note}}) {
        if (!word.starts_with(name)) continue;
        const auto language = languageTag(word.substr(name.size()));
        if (!language) continue;
        c.kind = kind;
        c.language = *language;
        if (!rest.empty()) rest.remove_prefix(1); // the blank after the command
        c.text = std::string(rest);
        return c;
    }
    if (word == "png") {
        c.kind = Kind::Png;
        const std::string_view picture = nextWord(rest);
        c.text = fileName(rest, "png picture1|picture2|picture3 FILE");
        if (picture != "picture1" && picture != "picture2" && picture != "picture3")
            fail("expected: png picture1|picture2|picture3 FILE");
        c.picture = picture[7] - '0';
        return c;
    }

    const auto args = arguments(rest);
    if (word == "print" && args.size() == 1 && args[0] == "names") {
        c.kind = Kind::Print;
        c.on = true;
        return c;
    }
    const std::pair<std::string_view, Kind> buttons[] = {
        {"start", Kind::Start}, {"stop", Kind::Stop},         {"continue", Kind::Continue},
        {"steps", Kind::Steps}, {"reverse", Kind::Reverse},   {"show", Kind::Show},
        {"print", Kind::Print}, {"accuracy", Kind::Accuracy},
    };
    for (const auto& [name, kind] : buttons) {
        if (word == name) {
            expectArguments(args, 0, name);
            c.kind = kind;
            return c;
        }
    }
    if (word == "variant") {
        expectArguments(args, 1, "variant ball-ball|ball-rod");
        c.kind = Kind::Variant;
        if (args[0] == "ball-ball")
            c.variant = OptionButton::Option1;
        else if (args[0] == "ball-rod")
            c.variant = OptionButton::Option2;
        else
            fail("expected: variant ball-ball|ball-rod");
        return c;
    }
    if (word == "check") {
        // A name may have blanks ("исходные данные"): it is all before the final on or off.
        if (args.size() < 2) fail("expected: check NAME on|off");
        c.kind = Kind::Check;
        const std::string_view last = args.back();
        const char* const nameEnd = args[args.size() - 2].data() + args[args.size() - 2].size();
        const std::string_view name(args.front().data(),
                                    static_cast<std::size_t>(nameEnd - args.front().data()));
        const auto box = CheckBoxByName(name);
        if (!box && args.size() > 2) fail("expected: check NAME on|off");
        if (!box) fail("no check box is called " + std::string(name));
        c.check = *box;
        if (last != "on" && last != "off") fail("expected: check NAME on|off");
        c.on = last == "on";
        return c;
    }
    if (word == "run") {
        expectArguments(args, 1, "run N");
        c.kind = Kind::Run;
        const auto [end, error] = std::from_chars(args[0].data(), args[0].data() + args[0].size(), c.count);
        if (error == std::errc::result_out_of_range)
            fail("run N: " + std::string(args[0]) + " is out of range (at most " +
                 std::to_string(std::numeric_limits<long>::max()) + " screen updates)");
        if (error != std::errc{} || end != args[0].data() + args[0].size() || c.count < 0)
            fail("expected: run N, with N a whole number of screen updates");
        return c;
    }
    if (word == "end") {
        constexpr std::string_view usage =
            "expected: end capacity|separated, or end time T with T seconds above 0";
        if (args.empty() || args.size() > 2) fail(std::string(usage));
        const auto end = ParseRunEnd(args[0], args.size() == 2 ? std::optional(args[1]) : std::nullopt);
        if (!end) fail(std::string(usage));
        c.kind = Kind::End;
        c.end = *end;
        return c;
    }
    if (word == "impacts") {
        c.kind = Kind::Impacts;
        c.on = firstOfTwo(args, "impacts on|off", "on", "off");
        return c;
    }
    if (word == "contact") {
        c.kind = Kind::Contact;
        c.on = firstOfTwo(args, "contact exact|fixed", "exact", "fixed");
        return c;
    }
    if (word == "answer") {
        c.kind = Kind::Answer;
        c.on = firstOfTwo(args, "answer yes|no", "yes", "no");
        return c;
    }
    fail("unknown command " + std::string(word));
}

bool ScriptHasCommand(const std::vector<std::string>& lines, ScriptCommand::Kind kind) {
    for (const std::string& line : lines) {
        try {
            const auto command = ParseScriptLine(line);
            if (command && command->kind == kind) return true;
        } catch (const ScriptError&) {
        }
    }
    return false;
}

} // namespace kvor
