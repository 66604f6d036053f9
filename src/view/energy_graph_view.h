#pragma once

#include "canvas.h"
#include "picture_size.h"

#include <array>
#include <string_view>
#include <vector>

namespace kvor {

// The energy graph, a third picture in a window of its own: E, Ec, Ej, Es, Em, Eq and the balance
// in joules against the model time in seconds, as the rows of the series of values give them. It
// scales itself to what it shows, numbers its axes in those units and names each curve in a legend.
inline constexpr PictureSize kEnergyGraphSize{520, 320};

constexpr int kEnergyCurveCount = 7;
struct EnergyCurve {
    std::string_view name; // as the series' column names the quantity, less its unit
    Rgb colour;
};
inline constexpr std::array<EnergyCurve, kEnergyCurveCount> kEnergyCurves{{
    {"E", {0, 0, 0}},
    {"Ec", {0, 150, 0}},
    {"Ej", {200, 0, 0}},
    {"Es", {150, 0, 150}},
    {"Em", {0, 0, 220}},
    {"Eq", {0, 150, 160}},
    {"balance", {240, 120, 0}},
}};

// The points of the curves: a time and the seven energies of each.
struct EnergyPoints {
    std::vector<double> time;
    std::array<std::vector<double>, kEnergyCurveCount> energy;
};

// Draws the whole graph anew (after clearing the canvas): axes and their numbers, the curves, the
// legend. With no points only the axes are drawn.
void DrawEnergyGraph(const EnergyPoints& points, Canvas& canvas);

} // namespace kvor
