// One state of a section's stringing chart as a table to show or print: a
// row of horizontal tensions, then a row of sags per span, one column per
// chart temperature, in the project's units.
#pragma once

#include "stringing/line_schedule.h"
#include "stringing/schedule_text.h"

#include <string>
#include <vector>

namespace vortan::stringing {

struct ChartCell {
    std::string text;            // "3.21", or "3.21 (3.23)" with the catenary sag
    bool catenary_differs = false;
};

struct ChartRow {
    std::string name;            // "T01 - T02", or "Tension (kN)"
    std::string length;          // the span's length; empty on the tension row
    std::vector<ChartCell> cells;
};

struct ChartTable {
    std::string length_heading;             // "Length (m)"
    std::vector<std::string> temperatures;  // "-10 °C", ...
    std::vector<ChartRow> rows;             // the tension row first
};

ChartTable chart_table(const LineSchedule& schedule, const SectionChart& chart, CableAge age, const ChartUnits& units);

// A span's sag against temperature, in the project's units, for a plot.
struct SagCurve {
    std::string span;
    std::vector<double> temperatures, sags;
};
std::vector<SagCurve> sag_curves(const LineSchedule& schedule, const SectionChart& chart, CableAge age,
                                 const ChartUnits& units);

}  // namespace vortan::stringing
