#pragma once

#include "core/model_record.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace kvor {

// The quantities of one screen update, in SI units and the panel's degrees: the model time and
// every quantity the value panel shows, whichever alternative its check boxes select. The wall
// clock is not among them: it says nothing about the experiment.
// clang-format off
enum SeriesColumn : int {
    kT, kVX1, kVY1, kVX2, kVY2, kV1, kV2, kFX, kFY, kW1, kW2, kX1, kX2, kM1, kM2,
    kFcFj, kFs, kFm, kFq, kEw, kEv, kEs, kEj, kEm, kEq, kE, kE0, kBalance, kKD, kKD0,
    kUgol1, kUgol2, kAlfaDeg, kSeriesColumns
};
// clang-format on
using SeriesRow = std::array<double, kSeriesColumns>;

// The column names with their units, as a table's header shows them: "T_s", "VX1_m_s", ...
std::string_view SeriesColumnName(SeriesColumn column);

// One row per screen update of the current experiment, from its start or reversal, as doubles;
// they become text only when saved. At most `capacity` rows are kept, as many as the track store
// has points, so a run that fills the track fills the series and memory stays bounded.
class DataSeries {
public:
    explicit DataSeries(std::size_t capacity);

    // A new experiment: no rows, and a new generation, so that a reader that copies rows as they
    // come knows that the old ones are gone.
    void clear();
    // Appends the values that the panel was given at this screen update: the record after
    // RefreshPanel. Beyond the capacity nothing is kept.
    void append(const ModelRecord& r);

    std::size_t size() const { return rows_.size(); }
    const SeriesRow& row(std::size_t i) const { return rows_[i]; }
    unsigned generation() const { return generation_; }

private:
    std::vector<SeriesRow> rows_;
    std::size_t capacity_;
    unsigned generation_ = 0;
};

} // namespace kvor
