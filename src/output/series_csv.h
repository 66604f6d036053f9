#pragma once

#include "data_series.h"

#include <string>
#include <string_view>

namespace kvor {

// The series as a table of comma-separated values (RFC 4180: lines end in CR LF, no field needs
// quoting). Numbers are the panel's number texts with '.' as the decimal point, whatever the
// user's locale, so that a spreadsheet anywhere reads them.

// The header line; a non-empty `firstColumn` names a column before the quantities.
void AppendSeriesCsvHeader(std::string& out, std::string_view firstColumn = {});

// The lines of rows `first` to the last, each beginning with `prefix` (for example "3,").
void AppendSeriesCsvRows(std::string& out, const DataSeries& series, std::size_t first,
                         std::string_view prefix = {});

} // namespace kvor
