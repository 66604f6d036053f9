#pragma once

#include "output/data_series.h"
#include "view/energy_graph_view.h"

#include <cstddef>

namespace kvor {

// The energy graph's points: the rows of the series from `first` on (the graph is cleared with the
// other pictures by starting it at the series' end), each its time and its seven energies.
EnergyPoints EnergyPointsOf(const DataSeries& series, std::size_t first = 0);

} // namespace kvor
