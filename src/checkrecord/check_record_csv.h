// The check record as comma-separated values: the details above, the column
// captions with their units, a row per cable sag, and the signers' rows with
// empty cells for name, signature and date, so that a spreadsheet holds the
// same record as the printout.
#pragma once

#include "checkrecord/check_record_rows.h"

#include <string>

namespace vortan {

// CR LF after every row; a cell holding a comma, a quote or a line end is
// quoted, its quotes doubled (numbers grouped with "," among them).
std::string check_record_csv(const CheckRecord& record);

}  // namespace vortan
