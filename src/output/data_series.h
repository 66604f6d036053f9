#pragma once

#include "core/model_record.h"
#include "host/form.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

namespace kvor {

// The columns of one screen update, in SI units and the panel's degrees: the model time and every
// quantity the value panel shows, whichever alternative its check boxes select, with E0 and KD0.
// Each is a box of the window, or the alternative it shows under its check box. The wall clock
// is not among them: it says nothing about the experiment.
struct SeriesColumn {
    TextBox box = TextBox(0);
    bool alternative = false;
    // Or a quantity of the record that no box shows, with its name.
    real BasicModelRecord<real>::*field = nullptr;
    Integer BasicModelRecord<real>::*flag = nullptr;
    std::string_view name = {};
};
// clang-format off
inline constexpr SeriesColumn kSeriesColumns[] = {
    {Text60}, {Text31}, {Text33}, {Text32}, {Text34}, {Text35}, {Text36}, {Text35, true}, {Text36, true},
    {Text37}, {Text38}, {Text39}, {Text40}, {Text39, true}, {Text40, true},
    {Text41}, {Text42}, {Text43}, {Text44}, {Text45}, {Text46}, {Text47}, {Text48}, {Text49}, {Text50},
    {Text63}, {Text62}, {Text58}, {Text53}, {Text52}, {Text59}, {Text64}, {Text65},
    // What a student needs to redo the analysis: the heights, the rod's turn, the deformations,
    // the elastic energy, and whether a contact force acted since the row before.
    {.field = &BasicModelRecord<real>::Y1, .name = "Y1_m"},
    {.field = &BasicModelRecord<real>::Y2, .name = "Y2_m"},
    {.field = &BasicModelRecord<real>::phi2, .name = "phi2_rad"},
    {.field = &BasicModelRecord<real>::Def1Now, .name = "Def1_m"},
    {.field = &BasicModelRecord<real>::Def2Now, .name = "Def2_m"},
    {.field = &BasicModelRecord<real>::Ec, .name = "Ec_J"},
    {.flag = &BasicModelRecord<real>::ContactSinceRow, .name = "contact"},
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
    // RefreshPanel, at the time Ts the panel shows. The row of the start state is at its time T,
    // the record's display quantities brought up to date first. Beyond the capacity nothing is
    // kept.
    void append(const ModelRecord& r);
    void appendStart(ModelRecord& r);

    std::size_t size() const { return rows_.size(); }
    const SeriesRow& row(std::size_t i) const { return rows_[i]; }
    unsigned generation() const { return generation_; }

private:
    void appendAt(const ModelRecord& r, double time);
    std::vector<SeriesRow> rows_;
    std::size_t capacity_;
    unsigned generation_ = 0;
};

} // namespace kvor
