#include "report/report_csv.h"

#include "report/csv_row.h"

namespace vortan {

namespace {

std::vector<std::string> captions(bool imperial) {
    const std::string length = imperial ? " (ft)" : " (m)";
    const std::string degrees = imperial ? " (\xC2\xB0" "F)" : " (\xC2\xB0" "C)";
    return {"Near / Left Structure", "Far / Right Structure", "Span Length" + length, "Structure Type",
            "Cable Position",        "Cable Code Name",       "Sag Method",           "Required Sag" + length,
            "Actual Sag" + length,   "Actual Temp" + degrees, "Sag Date",
            "Verdict",               "Band" + length};
}

}  // namespace

std::string report_csv(const std::vector<ReportRow>& rows, bool imperial) {
    std::string csv = csv_row(captions(imperial));
    for (const ReportRow& row : rows) csv += csv_row(row.cells);
    return csv;
}

}  // namespace vortan
