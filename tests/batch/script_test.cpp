// The grammar of a batch script line.

#include "batch/script.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand parsed(const std::string& line) {
    const auto command = ParseScriptLine(line);
    if (!command) throw std::runtime_error("no command in: " + line);
    return *command;
}

TEST(Script, BlankAndCommentLinesHaveNoCommand) {
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented comment", "#start", "\r"})
        EXPECT_FALSE(ParseScriptLine(line)) << '"' << line << '"';
}

TEST(Script, ButtonsTakeNoArguments) {
    const std::pair<const char*, Kind> buttons[] = {
        {"start", Kind::Start}, {"stop", Kind::Stop},       {"continue", Kind::Continue},
        {"steps", Kind::Steps}, {"reverse", Kind::Reverse}, {"show", Kind::Show},
        {"print", Kind::Print},
    };
    for (const auto& [word, kind] : buttons) {
        EXPECT_EQ(parsed(word).kind, kind) << word;
        EXPECT_EQ(parsed(std::string("  ") + word + "  # with a comment").kind, kind) << word;
        EXPECT_EQ(parsed(std::string(word) + "\r").kind, kind) << "a line of a file with CR LF ends";
        EXPECT_THROW(ParseScriptLine(std::string(word) + " now"), ScriptError) << word;
    }
    EXPECT_THROW(ParseScriptLine("Start"), ScriptError) << "commands are lower case";
    EXPECT_THROW(ParseScriptLine("go"), ScriptError);
}

TEST(Script, SetTypesTheRestOfTheLineIntoABox) {
    ScriptCommand c = parsed("set m10 1,5");
    EXPECT_EQ(c.kind, Kind::Set);
    EXPECT_EQ(c.box, Text1);
    EXPECT_EQ(c.text, "1,5");

    // The text is the rest of the line after the one blank that follows the name, as typed.
    EXPECT_EQ(parsed("set Text54 1E-05").text, "1E-05");
    EXPECT_EQ(parsed("set Text9  -0.8071 ").text, " -0.8071 ");
    EXPECT_EQ(parsed("set NC0").text, "") << "an emptied box";
    EXPECT_EQ(parsed("set Text16 2\r").text, "2");

    // Control names and captions; an input box wins over a panel box with the same caption.
    const std::pair<const char*, TextBox> names[] = {
        {"Text1", Text1},    {"Text67", Text67},  {"m10", Text1},    {"m20", Text11}, {"q1", Text2},
        {"q2", Text12},      {"D1", Text3},       {"D2", Text13},    {"C1", Text4},   {"C2", Text14},
        {"Kj1", Text5},      {"Kj2", Text15},     {"Ks", Text6},     {"L2", Text16},  {"VX1", Text7},
        {"VX2", Text17},     {"VY1", Text8},      {"VY2", Text18},   {"X1", Text9},   {"X2", Text19},
        {"Y1", Text10},      {"Y2", Text20},      {"MF", Text26},    {"Mx", Text29},  {"Mv", Text30},
        {"Mt", Text51},      {"MFq", Text61},     {"шаг", Text54},   {"h", Text54},   {"NC0", Text55},
        {"NCOfile", Text57}, {"NC0file", Text57}, {"Угол2", Text64},
    };
    for (const auto& [name, box] : names) {
        EXPECT_EQ(TextBoxByName(name), box) << name;
        EXPECT_EQ(parsed(std::string("set ") + name + " 7").box, box) << name;
    }
    for (const char* bad : {"Text0", "Text68", "Text01", "Text", "text1", "m30", "Text1x"}) {
        EXPECT_FALSE(TextBoxByName(bad)) << bad;
        EXPECT_THROW(ParseScriptLine(std::string("set ") + bad + " 1"), ScriptError) << bad;
    }
    EXPECT_THROW(ParseScriptLine("set"), ScriptError);
}

TEST(Script, CheckVariantRunAnswerAndData) {
    ScriptCommand c = parsed("check Check2 on");
    EXPECT_EQ(c.kind, Kind::Check);
    EXPECT_EQ(c.check, Check2);
    EXPECT_TRUE(c.on);
    EXPECT_FALSE(parsed("check Check13 off").on);
    EXPECT_EQ(parsed("check Лоренц on").check, Check1);
    EXPECT_EQ(parsed("check Запись on").check, Check2);
    EXPECT_EQ(parsed("check m1,m2 on").check, Check9);
    EXPECT_EQ(parsed("check FX,FY on").check, Check10);
    EXPECT_EQ(parsed("check +Fm on # gravity").check, Check13);
    for (const char* bad :
         {"check Check14 on", "check Check0 on", "check Check2", "check Check2 yes", "check"})
        EXPECT_THROW(ParseScriptLine(bad), ScriptError) << bad;

    EXPECT_EQ(parsed("variant ball-ball").variant, OptionButton::Option1);
    EXPECT_EQ(parsed("variant ball-rod").variant, OptionButton::Option2);
    for (const char* bad : {"variant", "variant rod", "variant ball-rod now"})
        EXPECT_THROW(ParseScriptLine(bad), ScriptError) << bad;

    EXPECT_EQ(parsed("run 250").count, 250);
    EXPECT_EQ(parsed("run 0").count, 0);
    for (const char* bad : {"run", "run -1", "run x", "run 2.5", "run 3 4"})
        EXPECT_THROW(ParseScriptLine(bad), ScriptError) << bad;

    EXPECT_TRUE(parsed("answer yes").on);
    EXPECT_FALSE(parsed("answer no").on);
    EXPECT_THROW(ParseScriptLine("answer maybe"), ScriptError);

    c = parsed("data  /tmp/my records.dat  ");
    EXPECT_EQ(c.kind, Kind::Data);
    EXPECT_EQ(c.text, "/tmp/my records.dat");
    EXPECT_THROW(ParseScriptLine("data"), ScriptError);
}

} // namespace
} // namespace kvor
