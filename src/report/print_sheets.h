// The report's text laid out on printed sheets: a new sheet at every
// form-feed line and wherever a sheet is full.
#pragma once

#include <string>
#include <vector>

namespace vortan {

// The lines of each sheet, in order. Form-feed lines are not printed, and no
// sheet is empty.
std::vector<std::vector<std::string>> print_sheets(const std::vector<std::string>& lines, int lines_per_sheet);

}  // namespace vortan
