#include "overview/overview_csv.h"

#include "report/csv_row.h"

#include <vector>

namespace vortan {

namespace {

std::vector<std::string> row_of(const LineOverview& overview, int span, int cable) {
    std::vector<std::string> cells;
    for (int column = 0; column < Overview_Column_Count; ++column)
        cells.push_back(overview.text(span, cable, static_cast<OverviewColumn>(column)));
    return cells;
}

}  // namespace

std::string overview_csv(const LineOverview& overview, bool imperial) {
    std::vector<std::string> headings;
    for (int column = 0; column < Overview_Column_Count; ++column)
        headings.push_back(overview_heading(static_cast<OverviewColumn>(column), imperial));
    std::string csv = csv_row(headings);
    for (int span = 0; span < overview.span_count(); ++span) {
        csv += csv_row(row_of(overview, span, -1));
        for (int cable = 0; cable < overview.cable_sag_count(span); ++cable) csv += csv_row(row_of(overview, span, cable));
    }
    return csv;
}

}  // namespace vortan
