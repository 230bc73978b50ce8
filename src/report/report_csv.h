// The data of the sag report as comma-separated values, for spreadsheets: a
// row of column captions with their units, then one row per data line with
// each column's text as the report prints it, then the tolerance verdict and
// the band of the row's cable sag, which the printed report has no room for.
#pragma once

#include "report/report_data.h"

#include <string>
#include <vector>

namespace vortan {

// CR LF after every row; a cell holding a comma, a quote or a line end is
// quoted, its quotes doubled. The verdict and band cells are the rows' own.
std::string report_csv(const std::vector<ReportRow>& rows, bool imperial);

}  // namespace vortan
