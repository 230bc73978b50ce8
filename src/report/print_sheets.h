// The report's text laid out on printed sheets. A sag report is laid out
// afresh to the sheet: every sheet has the title block and column headings at
// its top and the footer at its foot, numbered by sheet. Any other text (a
// listing) starts a new sheet at every form-feed line and wherever one is full.
#pragma once

#include <string>
#include <vector>

namespace vortan {

// The lines of each sheet, in order. Form-feed lines are not printed, and no
// sheet is empty.
std::vector<std::vector<std::string>> print_sheets(const std::vector<std::string>& lines, int lines_per_sheet);

}  // namespace vortan
