// The stringing charts of a whole line, worked out from the project's lists:
// its sag-spans, its code-name records (mass and diameter) and its stringing
// data (mechanics, strain structures, design conditions).
#pragma once

#include "stringing/stringing_data.h"
#include "stringing/tension_sections.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan::stringing {

struct SectionChart {
    int section = 0;  // 1-based
    std::string first_structure;
    std::string code_name;
    Conductor conductor;
    DesignCondition design;
    StringingChart chart;
    std::string problem;  // why there is no chart, when there is none
};

struct LineSchedule {
    std::vector<LineSpan> spans;
    std::vector<TensionSection> sections;
    std::vector<double> temperatures_c;
    std::vector<SectionChart> charts;  // by section, then in design order
};

// `span_records`: the sag-span list; `code_name_records`: the code-name list.
LineSchedule line_schedule(const std::vector<std::string>& span_records,
                           const std::vector<std::string>& code_name_records, const StringingData& data);

// The conductor of a code name: the later of two records of the same name
// counts, as in the sag calculations. Mechanics are zero when none are kept.
Conductor conductor_of(const std::string& code_name, const std::vector<std::string>& code_name_records,
                       const StringingData& data);

// The section (0-based) holding the span at that list position; -1 for none.
int section_of_span(const LineSchedule& schedule, int span);
// The chart of a conductor in a section (0-based); nullptr when it has no design.
const SectionChart* chart_for(const LineSchedule& schedule, int section, const std::string& code_name);
// The section a chart is of.
const TensionSection& section_of(const LineSchedule& schedule, const SectionChart& chart);
// The chart's points of one state, in the order of its temperatures.
std::vector<const ChartPoint*> points_of(const SectionChart& chart, CableAge age);
// The chart's sag of a span (list position) at one of the chart's
// temperatures; none when the chart does not hold it.
std::optional<double> charted_sag(const LineSchedule& schedule, const SectionChart& chart, int span,
                                  double temperature_c, CableAge age);

}  // namespace vortan::stringing
