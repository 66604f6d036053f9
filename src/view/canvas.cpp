#include "canvas.h"

namespace kvor {

void Canvas::dots(std::span<const Dot> run) {
    for (const Dot& dot : run) point(dot.x, dot.y, dot.colour);
}

} // namespace kvor
