#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kvor {

// A colour as red, green, blue components 0 to 255.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A dot at a point in user coordinates, as point() sets it.
struct Dot {
    float x = 0, y = 0;
    Rgb colour;
};

// A drawing surface that keeps what is drawn on it until it is cleared. It draws in user
// coordinates set by the values at its top-left and bottom-right corners; coordinates arrive in
// single precision, already checked to be finite. Shapes are not antialiased.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void clear() = 0;
    virtual void setScale(float left, float top, float right, float bottom) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void circle(float x, float y, float radius, Rgb colour) = 0;
    virtual void point(float x, float y, Rgb colour) = 0;
    // Prints a text whose top-left corner is at (x, y), in the surface's text colour and font.
    virtual void print(float x, float y, std::string_view text) = 0;

    // Sets a run of dots in order, each as point() would, over whatever is drawn.
    virtual void dots(std::span<const Dot> run);
};

// A surface that draws nothing, for a dry run of a drawing and for whoever wants only some of
// what is drawn.
class BlankCanvas : public Canvas {
public:
    void clear() override {}
    void setScale(float, float, float, float) override {}
    void line(float, float, float, float, Rgb) override {}
    void circle(float, float, float, Rgb) override {}
    void point(float, float, Rgb) override {}
    void print(float, float, std::string_view) override {}
    void dots(std::span<const Dot>) override {}
};

} // namespace kvor
