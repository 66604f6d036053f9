#include "drawing_list.h"

namespace kvor {

void DrawingList::add(const Call& call) {
    calls_.push_back(call);
    ++revision_;
}

void DrawingList::clear() {
    calls_.clear();
    texts_.clear();
    scale_.reset();
    ++revision_;
    ++rewrites_;
}

void DrawingList::setScale(float left, float top, float right, float bottom) {
    add({Call::Kind::Scale, {}, 0, left, top, right, bottom});
    scale_ = {left, top, right, bottom};
}

void DrawingList::line(float x1, float y1, float x2, float y2, Rgb colour) {
    add({Call::Kind::Line, colour, 0, x1, y1, x2, y2});
}

void DrawingList::circle(float x, float y, float radius, Rgb colour) {
    add({Call::Kind::Circle, colour, 0, x, y, radius, 0});
}

void DrawingList::point(float x, float y, Rgb colour) {
    add({Call::Kind::Point, colour, 0, x, y, 0, 0});
}

void DrawingList::print(float x, float y, std::string_view text) {
    add({Call::Kind::Print, {}, static_cast<std::uint32_t>(texts_.size()), x, y, 0, 0});
    texts_.emplace_back(text);
}

void DrawingList::dots(std::span<const Dot> run) {
    for (const Dot& dot : run) point(dot.x, dot.y, dot.colour);
}

void DrawingList::replay(Canvas& canvas, std::size_t from) const {
    for (std::size_t i = from; i < calls_.size(); ++i) {
        const Call& c = calls_[i];
        switch (c.kind) {
        case Call::Kind::Scale:
            canvas.setScale(c.a, c.b, c.c, c.d);
            break;
        case Call::Kind::Line:
            canvas.line(c.a, c.b, c.c, c.d, c.colour);
            break;
        case Call::Kind::Circle:
            canvas.circle(c.a, c.b, c.c, c.colour);
            break;
        case Call::Kind::Point:
            canvas.point(c.a, c.b, c.colour);
            break;
        case Call::Kind::Print:
            canvas.print(c.a, c.b, texts_[c.text]);
            break;
        }
    }
}

void DrawingList::applyScale(Canvas& canvas) const {
    if (scale_) canvas.setScale((*scale_)[0], (*scale_)[1], (*scale_)[2], (*scale_)[3]);
}

void DrawingList::append(const DrawingList& other) {
    for (const Call& call : other.calls_) {
        Call copy = call;
        if (copy.kind == Call::Kind::Print) {
            copy.text = static_cast<std::uint32_t>(texts_.size());
            texts_.push_back(other.texts_[call.text]);
        }
        add(copy);
    }
    if (other.scale_) scale_ = other.scale_;
}

void DrawingList::movePoints(const std::function<void(Dot&)>& move) {
    for (Call& c : calls_) {
        if (c.kind != Call::Kind::Point) continue;
        Dot dot{c.a, c.b, c.colour};
        move(dot);
        c.a = dot.x;
        c.b = dot.y;
    }
    ++revision_;
    ++rewrites_;
}

} // namespace kvor
