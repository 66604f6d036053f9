#include "experiment_file.h"

#include "build_info.h"
#include "host/box_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kvor {

namespace {

// A box holds at most this many UTF-16 units, as the window's line edits do: a longer text would
// be cut, and the file would not mean what it says.
constexpr std::size_t kBoxCapacity = 32767;

// The length of a UTF-8 text in UTF-16 units, or nothing when it is not UTF-8.
std::optional<std::size_t> utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t size = lead < 0x80                   ? 1
                                 : lead >= 0xC2 && lead < 0xE0 ? 2
                                 : lead >= 0xE0 && lead < 0xF0 ? 3
                                 : lead >= 0xF0 && lead < 0xF5 ? 4
                                                               : 0;
        if (size == 0 || i + size > text.size()) return std::nullopt;
        char32_t code = size == 1 ? lead : lead & (0x7F >> size);
        for (std::size_t k = 1; k < size; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing beyond U+10FFFF.
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[size] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
            return std::nullopt;
        units += code >= 0x10000 ? 2 : 1;
        i += size;
    }
    return units;
}

// The name a file calls a box or a check box by: its first batch name, or its control name when
// that name would find another.
std::string boxName(const BoxRow& row) {
    const std::string_view name = row.names[0];
    if (!name.empty() && TextBoxByName(name) == row.box) return std::string(name);
    return "Text" + std::to_string(row.box);
}
std::string checkName(const CheckRow& row) {
    const std::string_view name = row.names[0];
    if (!name.empty() && CheckBoxByName(name) == row.box) return std::string(name);
    return "Check" + std::to_string(row.box);
}

void appendLine(std::string& out, std::string_view command, std::string_view language,
                std::string_view text) {
    out.append(command);
    if (!language.empty()) out.append("[").append(language).append("]");
    if (!text.empty()) out.append(" ").append(text);
    out += '\n';
}

// A title or a note joins the lines of its language.
void addDescriptionLine(const ScriptCommand& c, ExperimentText& text) {
    ExperimentText::Language& language = text.language(c.language);
    if (c.kind == ScriptCommand::Kind::Title)
        language.title = c.text;
    else
        language.notes.push_back(c.text);
}

} // namespace

ExperimentText::Language& ExperimentText::language(std::string_view tag) {
    const auto found =
        std::find_if(languages.begin(), languages.end(), [&](const Language& l) { return l.tag == tag; });
    if (found != languages.end()) return *found;
    return languages.emplace_back(Language{std::string(tag), std::nullopt, {}});
}

const ExperimentText::Language* ExperimentText::shownTo(std::string_view tag) const {
    const Language* untagged = nullptr;
    for (const Language& l : languages) {
        if (l.tag == tag) return &l;
        if (l.tag.empty()) untagged = &l;
    }
    return untagged;
}

bool IsSetupLine(const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    switch (c.kind) {
    case Kind::Variant:
    case Kind::Set:
    case Kind::Title:
    case Kind::Note:
    case Kind::End:
    case Kind::Contact:
        return true;
    case Kind::Check:
        return c.check != Check2;
    default:
        return false;
    }
}

void ApplySetupLine(const ScriptCommand& c, SetupTarget& target) {
    using Kind = ScriptCommand::Kind;
    switch (c.kind) {
    case Kind::Variant:
        target.selectVariant(c.variant);
        break;
    case Kind::Set:
        target.setBoxText(c.box, c.text);
        break;
    case Kind::Check:
        target.setChecked(c.check, c.on);
        break;
    case Kind::Title:
    case Kind::Note:
        addDescriptionLine(c, target.description());
        break;
    case Kind::End:
        target.setRunEnd(c.end);
        break;
    case Kind::Contact:
        target.setExactContact(c.on);
        break;
    default:
        break;
    }
}

ExperimentFile ReadExperimentFile(std::string_view content) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    ExperimentFile file;
    std::size_t lineNumber = 0;
    for (std::size_t at = 0; at < content.size();) {
        const std::size_t end = std::min(content.find('\n', at), content.size());
        const std::string_view line = content.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        const auto fail = [&](std::string reason) {
            throw ExperimentFileError{lineNumber, std::string(line), std::move(reason)};
        };
        if (!utf16Length(line)) fail("the line is not UTF-8 text");
        std::optional<ScriptCommand> command;
        try {
            command = ParseScriptLine(line);
        } catch (const ScriptError& e) {
            fail(e.reason);
        }
        if (!command) continue;
        if (command->kind == ScriptCommand::Kind::Open) fail("an experiment file cannot open another one");
        if (command->kind == ScriptCommand::Kind::Set && *utf16Length(command->text) > kBoxCapacity)
            fail("a box takes at most " + std::to_string(kBoxCapacity) + " characters");
        if (IsSetupLine(*command))
            file.lines.push_back(std::move(*command));
        else
            file.skipped.push_back(lineNumber);
    }
    return file;
}

ExperimentText DescriptionOf(const ExperimentFile& file) {
    ExperimentText text;
    for (const ScriptCommand& c : file.lines)
        if (c.kind == ScriptCommand::Kind::Title || c.kind == ScriptCommand::Kind::Note)
            addDescriptionLine(c, text);
    return text;
}

ExperimentFile OpenExperimentFile(const std::filesystem::path& file) {
    constexpr std::size_t kLargest = 1 << 20;
    const auto failed = [](std::string reason, int code) {
        return ExperimentFileError{0, {}, std::move(reason), code};
    };
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw failed(std::strerror(errno), errno);
    std::string content;
    struct stat status {};
    int error = 0;
    std::string reason;
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (!S_ISREG(status.st_mode))
        reason = "not a regular file";
    else if (static_cast<std::size_t>(status.st_size) > kLargest)
        reason = "larger than 1 MB, which no experiment file is";
    char buffer[8192];
    while (error == 0 && reason.empty()) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
        if (content.size() > kLargest) reason = "larger than 1 MB, which no experiment file is";
    }
    ::close(fd);
    if (error != 0) throw failed(std::strerror(error), error);
    if (!reason.empty()) throw failed(reason, 0);
    return ReadExperimentFile(content);
}

std::string ExperimentFileText(const Form& form, const ExperimentText& description, const RunEnd& end,
                               bool exactContact) {
    std::string out(kExperimentFileMagic);
    out.append("\n# Kvor3m ").append(build::kVersion).append("\n");
    // The untagged lines first, then each language in the order it came.
    std::vector<const ExperimentText::Language*> languages;
    for (const auto& l : description.languages)
        languages.insert(l.tag.empty() ? languages.begin() : languages.end(), &l);
    for (const ExperimentText::Language* l : languages) {
        if (l->title) appendLine(out, "title", l->tag, *l->title);
        for (const std::string& note : l->notes) appendLine(out, "note", l->tag, note);
    }
    out.append(form.isSelected(OptionButton::Option2) ? "variant ball-rod\n" : "variant ball-ball\n");
    for (const BoxRow& row : box_table::kBoxes) {
        if (!HasRole(row.box, kInputBox) || (row.onlyWhen && !form.isChecked(*row.onlyWhen))) continue;
        // The text exactly as the box holds it, after the one blank that ends the name.
        out.append("set ").append(boxName(row)).append(" ").append(form.text(row.box)).append("\n");
    }
    for (const CheckRow& row : box_table::kChecks)
        if (row.box != Check2)
            out.append("check ").append(checkName(row)).append(form.isChecked(row.box) ? " on\n" : " off\n");
    out.append("end ").append(RunEndWords(end)).append("\n");
    if (exactContact) out.append("contact exact\n");
    return out;
}

} // namespace kvor
