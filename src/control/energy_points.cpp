#include "energy_points.h"

#include <string>

namespace kvor {

namespace {

// The column of the series whose name is `quantity` with its unit.
std::size_t columnOf(std::string_view quantity, std::string_view unit) {
    const std::string name = std::string(quantity) + "_" + std::string(unit);
    for (std::size_t c = 0; c < kSeriesColumnCount; ++c)
        if (SeriesColumnName(c) == name) return c;
    return 0;
}

} // namespace

EnergyPoints EnergyPointsOf(const DataSeries& series, std::size_t first) {
    const std::size_t time = columnOf("T", "s");
    std::array<std::size_t, kEnergyCurveCount> columns{};
    for (std::size_t c = 0; c < columns.size(); ++c) columns[c] = columnOf(kEnergyCurves[c].name, "J");
    EnergyPoints points;
    for (std::size_t i = first; i < series.size(); ++i) {
        const SeriesRow& row = series.row(i);
        points.time.push_back(row[time]);
        for (std::size_t c = 0; c < columns.size(); ++c) points.energy[c].push_back(row[columns[c]]);
    }
    return points;
}

} // namespace kvor
