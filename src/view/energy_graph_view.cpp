#include "energy_graph_view.h"

#include "core/interface_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace kvor {

namespace {

// A step between axis numbers of 1, 2 or 5 times a power of ten, about a fifth of the span.
double niceStep(double span) {
    const double rough = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

// An axis number in at most four significant digits, with a point.
std::string axisNumber(double value, double step) {
    if (std::abs(value) < step * 1e-9) value = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

struct Range {
    double low, high;
};

// The range of the values, widened where it is empty so that a constant draws as a line.
Range rangeOf(double low, double high) {
    if (!(high > low)) {
        const double pad = std::max(std::abs(low) * 0.1, 1e-12);
        return {low - pad, high + pad};
    }
    return {low, high};
}

} // namespace

void DrawEnergyGraph(const EnergyPoints& points, Canvas& canvas) {
    canvas.clear();
    double tLow = 0, tHigh = 0, eLow = 0, eHigh = 0;
    if (!points.time.empty()) {
        tLow = points.time.front();
        tHigh = points.time.back();
        for (const auto& curve : points.energy)
            for (const double e : curve) eLow = std::min(eLow, e), eHigh = std::max(eHigh, e);
    }
    const Range t = rangeOf(tLow, tHigh), e = rangeOf(eLow, eHigh);
    const double tSpan = t.high - t.low, eSpan = e.high - e.low;
    // Room left of the plot for the energies' numbers, below it for the times', right of it for the
    // legend, above it for the axis names.
    canvas.setScale(float(t.low - 0.17 * tSpan), float(e.high + 0.1 * eSpan), float(t.high + 0.2 * tSpan),
                    float(e.low - 0.12 * eSpan));
    const Rgb axis{0, 0, 0}, grid{215, 215, 215};

    const double tStep = niceStep(tSpan), eStep = niceStep(eSpan);
    for (double v = std::ceil(t.low / tStep) * tStep; v <= t.high + tStep * 1e-9; v += tStep) {
        canvas.line(float(v), float(e.low), float(v), float(e.high), grid);
        canvas.print(float(v - 0.03 * tSpan), float(e.low - 0.02 * eSpan), axisNumber(v, tStep));
    }
    for (double v = std::ceil(e.low / eStep) * eStep; v <= e.high + eStep * 1e-9; v += eStep) {
        canvas.line(float(t.low), float(v), float(t.high), float(v), grid);
        canvas.print(float(t.low - 0.16 * tSpan), float(v + 0.03 * eSpan), axisNumber(v, eStep));
    }
    canvas.line(float(t.low), float(e.low), float(t.high), float(e.low), axis);
    canvas.line(float(t.low), float(e.low), float(t.low), float(e.high), axis);
    canvas.print(float(t.low - 0.16 * tSpan), float(e.high + 0.09 * eSpan), Tr("Kvor3m", "E, Дж"));
    canvas.print(float(t.high + 0.02 * tSpan), float(e.low + 0.05 * eSpan), Tr("Kvor3m", "T, с"));

    for (int c = 0; c < kEnergyCurveCount; ++c) {
        const auto& values = points.energy[static_cast<std::size_t>(c)];
        const Rgb colour = kEnergyCurves[static_cast<std::size_t>(c)].colour;
        for (std::size_t i = 1; i < values.size() && i < points.time.size(); ++i)
            canvas.line(float(points.time[i - 1]), float(values[i - 1]), float(points.time[i]),
                        float(values[i]), colour);
        // The legend: a stroke of the curve's colour and its name.
        const double y = e.high - (c + 0.5) * eSpan / 9;
        canvas.line(float(t.high + 0.03 * tSpan), float(y), float(t.high + 0.07 * tSpan), float(y), colour);
        canvas.print(float(t.high + 0.08 * tSpan), float(y + 0.03 * eSpan),
                     kEnergyCurves[static_cast<std::size_t>(c)].name);
    }
}

} // namespace kvor
