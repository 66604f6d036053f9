#pragma once

#include <span>
#include <string_view>

namespace kvor::ui {

// What kind of widget a control of a window is.
enum class Kind { Label, TextBox, CheckBox, OptionButton, Frame, Button, Picture };

// One control: its name (also its Qt object name), its caption, and its place in twips from the
// top-left corner of the client area (of the frame, for the controls inside Frame1). One logical
// pixel is 15 twips.
struct ControlRow {
    Kind kind;
    std::string_view name;
    std::string_view caption;
    int left, top, width, height;
    bool inFrame = false;
};

constexpr int kTwipsPerPixel = 15;

// The main window's client area in twips, and every one of its controls.
constexpr int kMainWidthTwips = 11835;
constexpr int kMainHeightTwips = 8310;
std::span<const ControlRow> MainWindowControls();

// The About window: its client area and its place on the screen in twips, and its controls.
constexpr int kAboutWidthTwips = 6345;
constexpr int kAboutHeightTwips = 3495;
constexpr int kAboutLeftTwips = 315;
constexpr int kAboutTopTwips = 5040;
std::span<const ControlRow> AboutWindowControls();

} // namespace kvor::ui
