#include "report/report_csv.h"

namespace vortan {

namespace {

std::string csv_cell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csv_row(const std::vector<std::string>& cells) {
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) row += (i ? "," : "") + csv_cell(cells[i]);
    return row + "\r\n";
}

std::vector<std::string> captions(bool imperial) {
    const std::string length = imperial ? " (ft)" : " (m)";
    const std::string degrees = imperial ? " (\xC2\xB0" "F)" : " (\xC2\xB0" "C)";
    return {"Near / Left Structure", "Far / Right Structure", "Span Length" + length, "Structure Type",
            "Cable Position",        "Cable Code Name",       "Sag Method",           "Required Sag" + length,
            "Actual Sag" + length,   "Actual Temp" + degrees, "Sag Date"};
}

}  // namespace

std::string report_csv(const std::vector<ReportRow>& rows, bool imperial) {
    std::string csv = csv_row(captions(imperial));
    for (const ReportRow& row : rows) csv += csv_row(row.cells);
    return csv;
}

}  // namespace vortan
