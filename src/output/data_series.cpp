#include "data_series.h"

#include "core/energy_balance.h"

namespace kvor {

namespace {

// clang-format off
constexpr std::array<std::string_view, kSeriesColumns> kNames{
    "T_s", "VX1_m_s", "VY1_m_s", "VX2_m_s", "VY2_m_s", "V1_m_s", "V2_m_s", "FX_N", "FY_N",
    "w1_rad_s", "w2_rad_s", "X1_m", "X2_m", "m1_kg", "m2_kg",
    "FcFj_N", "Fs_N", "Fm_N", "Fq_N", "Ew_J", "Ev_J", "Es_J", "Ej_J", "Em_J", "Eq_J", "E_J", "E0_J",
    "balance_J", "KD_kg_m_s", "KD0_kg_m_s", "Ugol1_deg", "Ugol2_deg", "Alfa_deg",
};
// clang-format on

} // namespace

std::string_view SeriesColumnName(SeriesColumn column) {
    return kNames[column];
}

DataSeries::DataSeries(std::size_t capacity) : capacity_(capacity) {
    rows_.reserve(capacity);
}

void DataSeries::clear() {
    rows_.clear();
    ++generation_;
}

void DataSeries::append(const ModelRecord& r) {
    if (rows_.size() >= capacity_) return;
    SeriesRow& row = rows_.emplace_back();
    // The panel shows Ts, the time reached by the step just made.
    row[kT] = r.Ts;
    row[kVX1] = r.VX1, row[kVY1] = r.VY1, row[kVX2] = r.VX2, row[kVY2] = r.VY2;
    row[kV1] = r.V1, row[kV2] = r.V2, row[kFX] = r.FX, row[kFY] = r.FY;
    row[kW1] = r.w1, row[kW2] = r.w2;
    row[kX1] = r.X1, row[kX2] = r.X2, row[kM1] = r.m1, row[kM2] = r.m2;
    row[kFcFj] = r.FcFj, row[kFs] = r.Fs, row[kFm] = r.Fm, row[kFq] = r.Fq;
    row[kEw] = r.Ew, row[kEv] = r.Ev, row[kEs] = r.Es, row[kEj] = r.Ej, row[kEm] = r.Em, row[kEq] = r.Eq;
    row[kE] = r.E, row[kE0] = r.E0;
    // The same sum in the same order as the panel's: the same double.
    row[kBalance] = EnergyBalance(r);
    row[kKD] = r.KD, row[kKD0] = r.KD0;
    row[kUgol1] = r.Ugol1, row[kUgol2] = r.Ugol2, row[kAlfaDeg] = r.AlfaDeg;
}

} // namespace kvor
