#include "data_series.h"

#include "core/display_angles.h"
#include "core/energy_balance.h"
#include "host/box_table.h"

namespace kvor {

std::string_view SeriesColumnName(std::size_t column) {
    const SeriesColumn& c = kSeriesColumns[column];
    if (!c.name.empty()) return c.name;
    const BoxRow& row = RowOf(c.box);
    return c.alternative ? row.alternative->series : row.series;
}

DataSeries::DataSeries(std::size_t capacity) : capacity_(capacity) {
    rows_.reserve(capacity);
}

void DataSeries::clear() {
    rows_.clear();
    ++generation_;
}

void DataSeries::append(const ModelRecord& r) {
    appendAt(r, r.Ts);
}

void DataSeries::appendStart(ModelRecord& r) {
    UpdateDisplayAngles(r);
    KineticEnergyAndMomentum(r);
    ContactEnergies(r);
    appendAt(r, r.T);
}

void DataSeries::appendAt(const ModelRecord& r, double time) {
    if (rows_.size() >= capacity_) return;
    SeriesRow& row = rows_.emplace_back();
    for (std::size_t i = 0; i < kSeriesColumnCount; ++i) {
        const SeriesColumn& column = kSeriesColumns[i];
        if (column.field || column.flag) {
            row[i] = column.field ? double(r.*column.field) : double(r.*column.flag);
            continue;
        }
        const BoxRow& box = RowOf(column.box);
        if (column.box == Text60)
            row[i] = time;
        else if (column.alternative)
            row[i] = r.*box.alternative->field;
        else if (box.shown == Shown::Balance)
            row[i] = EnergyBalance(r); // the same sum in the same order as the panel's: the same double
        else
            row[i] = r.*box.shows;
    }
}

} // namespace kvor
