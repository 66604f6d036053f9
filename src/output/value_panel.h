#pragma once

#include "core/model_record.h"
#include "host/form.h"

namespace kvor {

// The values of the live value panel at a screen update, whether it is shown or not: brings the
// display angles and the energy and momentum totals up to date.
void UpdatePanelValues(ModelRecord& r);

// One refresh of the panel's texts from values brought up to date: writes the velocities,
// forces, energies, balance, angles and times into their boxes. Check10 "FX,FY" shows FX, FY
// instead of V1, V2 and Check9 "m1,m2" the masses instead of X1, X2. `now` is the wall clock in
// seconds; the time since the start is shown to hundredths of a second. An energy balance that
// cannot be computed is an ArithmeticFault, after the texts before it are written.
void RefreshPanel(const ModelRecord& r, Form& form, char decimalSeparator, double now);

// Whether RefreshPanel can write the energy balance of these values, for an update whose texts
// are written later.
bool PanelBalanceShowable(const ModelRecord& r);

} // namespace kvor
