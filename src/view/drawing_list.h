#pragma once

#include "canvas.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

// A surface that keeps the calls made on it, in order, so that they can be made again on any
// other surface: at another pixel density, or after the surface was cleared. Clearing it forgets
// them.
class DrawingList final : public Canvas {
public:
    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void point(float x, float y, Rgb colour) override;
    void print(float x, float y, std::string_view text) override;
    void dots(std::span<const Dot> run) override;

    // Makes the calls from the one numbered `from` (0 for all of them) on `canvas`.
    void replay(Canvas& canvas, std::size_t from = 0) const;
    // Sets on `canvas` the coordinates in effect after the last call, if any call set them.
    void applyScale(Canvas& canvas) const;
    // Appends the calls of `other`.
    void append(const DrawingList& other);
    // Moves every point set so far where `move` puts it, as when the scale it was set at changes.
    void movePoints(const std::function<void(Dot&)>& move);

    std::size_t size() const { return calls_.size(); }
    bool empty() const { return calls_.empty(); }
    // Changes at every call and every clear: equal revisions mean the same calls.
    std::uint64_t revision() const { return revision_; }
    // Changes whenever calls already made change, at a clear or a move: equal counts mean that
    // the calls made before are as they were.
    std::uint64_t rewrites() const { return rewrites_; }

private:
    struct Call {
        enum class Kind : std::uint8_t { Scale, Line, Circle, Point, Print };
        Kind kind;
        Rgb colour;
        std::uint32_t text; // a Print's index in texts_
        float a, b, c, d;
    };

    void add(const Call& call);

    std::vector<Call> calls_;
    std::vector<std::string> texts_;
    std::optional<std::array<float, 4>> scale_;
    std::uint64_t revision_ = 0;
    std::uint64_t rewrites_ = 0;
};

} // namespace kvor
