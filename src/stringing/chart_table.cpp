#include "stringing/chart_table.h"

namespace vortan::stringing {

namespace {

ChartCell sag_cell(const ChartPoint& point, size_t span, const ChartUnits& units) {
    ChartCell cell{fixed_decimals(units.length(point.sag_m[span]), 2), false};
    if (catenary_differs(point.sag_m[span], point.catenary_sag_m[span])) {
        cell.text += " (" + fixed_decimals(units.length(point.catenary_sag_m[span]), 2) + ")";
        cell.catenary_differs = true;
    }
    return cell;
}

}  // namespace

ChartTable chart_table(const LineSchedule& schedule, const SectionChart& chart, CableAge age, const ChartUnits& units) {
    ChartTable table;
    table.length_heading = std::string("Length (") + units.length_unit() + ")";
    const std::vector<const ChartPoint*> points = points_of(chart, age);
    ChartRow tensions{std::string("Tension (") + units.tension_unit() + ")", "", {}};
    for (const ChartPoint* point : points) {
        table.temperatures.push_back(fixed_decimals(units.temperature(point->temperature_c), 0) + " " + units.temperature_unit());
        tensions.cells.push_back({fixed_decimals(units.tension(point->tension_n), units.imperial ? 0 : 2), false});
    }
    table.rows.push_back(std::move(tensions));
    const TensionSection& section = section_of(schedule, chart);
    for (size_t i = 0; i < section.spans.size(); ++i) {
        const LineSpan& span = schedule.spans[static_cast<size_t>(section.spans[i])];
        ChartRow row{span_name(span), fixed_decimals(units.length(span.length_m), 2), {}};
        for (const ChartPoint* point : points) row.cells.push_back(sag_cell(*point, i, units));
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<SagCurve> sag_curves(const LineSchedule& schedule, const SectionChart& chart, CableAge age,
                                 const ChartUnits& units) {
    std::vector<SagCurve> curves;
    const std::vector<const ChartPoint*> points = points_of(chart, age);
    const TensionSection& section = section_of(schedule, chart);
    for (size_t i = 0; i < section.spans.size(); ++i) {
        const LineSpan& span = schedule.spans[static_cast<size_t>(section.spans[i])];
        SagCurve curve{span_name(span), {}, {}};
        for (const ChartPoint* point : points) {
            curve.temperatures.push_back(units.temperature(point->temperature_c));
            curve.sags.push_back(units.length(point->sag_m[i]));
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

}  // namespace vortan::stringing
