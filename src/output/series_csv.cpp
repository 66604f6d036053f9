#include "series_csv.h"

#include "core/number_text.h"

namespace kvor {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

void AppendSeriesCsvHeader(std::string& out, std::string_view firstColumn) {
    if (!firstColumn.empty()) out.append(firstColumn).append(",");
    for (std::size_t column = 0; column < kSeriesColumnCount; ++column) {
        if (column > 0) out += ',';
        out += SeriesColumnName(column);
    }
    out += kLineEnd;
}

void AppendSeriesCsvRows(std::string& out, const DataSeries& series, std::size_t first,
                         std::string_view prefix) {
    for (std::size_t i = first; i < series.size(); ++i) {
        out += prefix;
        const SeriesRow& row = series.row(i);
        for (std::size_t column = 0; column < kSeriesColumnCount; ++column) {
            if (column > 0) out += ',';
            AppendNumberText(out, row[column], '.');
        }
        out += kLineEnd;
    }
}

} // namespace kvor
