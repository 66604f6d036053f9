#pragma once

#include <cstdint>
#include <string_view>

namespace kvor {

struct TrackStore;

// A colour as red, green, blue components 0 to 255.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A drawing surface that keeps what is drawn on it until it is cleared. It draws in user
// coordinates set by the values at its top-left and bottom-right corners; coordinates arrive in
// single precision, already checked to be finite. Shapes are not antialiased, so drawing a shape
// again in another colour covers exactly the pixels it drew.
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

    // Sets the dots of the stored track, points 1 to NT, body 1 before body 2 at each point, over
    // whatever is drawn. A surface may do it faster than one point at a time, as long as the
    // picture afterwards is the same.
    virtual void plotTrack(const TrackStore& track, long nt);
};

} // namespace kvor
