// The check record as monospaced text on sheets: every sheet with the project
// details, the column headings and its number ("Sheet n of N"), the last one
// with the verdict count and the lines on which the sagger and the checker
// sign, so that no signature stands on a sheet apart from the rows it signs.
#pragma once

#include "checkrecord/check_record_rows.h"

#include <string>
#include <vector>

namespace vortan {

// Lines on a sheet: landscape A4 and Letter hold them at a legible size.
inline constexpr int Check_Record_Lines_Per_Sheet = 60;

// Each column as wide as its widest text, so that nothing is cut short; a
// sheet shorter than the head, the foot, the signatures and one row is taken
// as that long.
std::vector<std::vector<std::string>> check_record_sheets(const CheckRecord& record,
                                                          int lines_per_sheet = Check_Record_Lines_Per_Sheet);

// The sheets one after the other, each ended by a form-feed line.
std::vector<std::string> check_record_text(const CheckRecord& record);

}  // namespace vortan
