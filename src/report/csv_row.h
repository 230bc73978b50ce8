// One row of comma-separated values, as spreadsheets read them.
#pragma once

#include <string>
#include <vector>

namespace vortan {

// CR LF at its end; a cell holding a comma, a quote or a line end is quoted,
// its quotes doubled.
std::string csv_row(const std::vector<std::string>& cells);

}  // namespace vortan
