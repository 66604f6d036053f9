#pragma once

#include "core/model_record.h"
#include "host/form.h"

#include <array>
#include <iterator>
#include <cstddef>
#include <string_view>
#include <vector>

namespace kvor {

// The columns of one screen update, in SI units and the panel's degrees: the model time and every
// quantity the value panel shows, whichever alternative its check boxes select, with E0 and KD0.
// Each is a box of the window, or the alternative it shows under its check box. The wall clock
// is not among them: it says nothing about the experiment.
struct SeriesColumn {
    TextBox box;
    bool alternative = false;
};
// clang-format off
inline constexpr SeriesColumn kSeriesColumns[] = {
    {Text60}, {Text31}, {Text33}, {Text32}, {Text34}, {Text35}, {Text36}, {Text35, true}, {Text36, true},
    {Text37}, {Text38}, {Text39}, {Text40}, {Text39, true}, {Text40, true},
    {Text41}, {Text42}, {Text43}, {Text44}, {Text45}, {Text46}, {Text47}, {Text48}, {Text49}, {Text50},
    {Text63}, {Text62}, {Text58}, {Text53}, {Text52}, {Text59}, {Text64}, {Text65},
};
// clang-format on
constexpr std::size_t kSeriesColumnCount = std::size(kSeriesColumns);
using SeriesRow = std::array<double, kSeriesColumnCount>;

// A column's name with its unit, as a table's header shows it: "T_s", "VX1_m_s", ...
std::string_view SeriesColumnName(std::size_t column);

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
