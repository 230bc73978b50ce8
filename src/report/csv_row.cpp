#include "report/csv_row.h"

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

}  // namespace

std::string csv_row(const std::vector<std::string>& cells) {
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) row += (i ? "," : "") + csv_cell(cells[i]);
    return row + "\r\n";
}

}  // namespace vortan
