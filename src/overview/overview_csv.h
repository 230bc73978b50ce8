// The line overview as comma-separated values, for a spreadsheet or the
// design office: its headings, then every sag-span row followed by the rows
// of its cable sags, each cell as the overview shows it.
#pragma once

#include "overview/line_overview.h"

#include <string>

namespace vortan {

std::string overview_csv(const LineOverview& overview, bool imperial);

}  // namespace vortan
