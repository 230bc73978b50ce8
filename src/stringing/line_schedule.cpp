#include "stringing/line_schedule.h"

#include "calc/number_text.h"
#include "project/record_fields.h"

#include <algorithm>

namespace vortan::stringing {

namespace {

// Sag-span record fields; lengths are stored in metres.
constexpr int Near = 2, Far = 3, Span_Length = 4;
// Code-name record fields; mass in kg/km, diameter in mm.
constexpr int Code_Name = 1, Mass = 4, Diameter = 5;

// A stored number as the other readers of the lists take it; 0 when none.
double stored_or_zero(const std::string& record, int field) {
    const std::string text = record_field(record, field);
    const double value = text.empty() ? Abort_Value : Text_To_Number(text, NumberFormat{});
    return value == Abort_Value ? 0.0 : value;
}

std::vector<LineSpan> spans_of(const std::vector<std::string>& records) {
    std::vector<LineSpan> spans;
    for (const std::string& record : records)
        spans.push_back({record_field(record, Near), record_field(record, Far), stored_or_zero(record, Span_Length)});
    return spans;
}

std::string problem_of(const Conductor& conductor, const DesignCondition& design, const std::vector<double>& lengths) {
    if (conductor.mass_kg_per_km <= 0) return "no cable mass for " + conductor.code_name;
    if (!conductor.complete()) return "no area, modulus or expansion for " + conductor.code_name;
    for (double length : lengths)
        if (length <= 0) return "a span without a length";
    if (design.tension_kind == DesignCondition::Tension::Percent_Of_Rated_Strength && conductor.rated_strength_kn <= 0)
        return "no rated tensile strength for " + conductor.code_name;
    return "no positive design tension";
}

// A chart whose cable would be pulled past its rated strength is no chart:
// the reason, or nothing when every tension is below it.
std::string overstress_of(const SectionChart& result) {
    const double strength = result.conductor.rated_strength_kn * 1000;
    if (strength <= 0) return {};
    for (const ChartPoint& point : result.chart.points)
        if (point.tension_n > strength) {
            return "the tension at " + fixed_decimals(point.temperature_c, 0) + " °C (" +
                   fixed_decimals(point.tension_n / 1000, 1) + " kN) would exceed the rated tensile strength (" +
                   fixed_decimals(strength / 1000, 1) + " kN); lower the design tension";
        }
    return {};
}

SectionChart chart_of(const LineSchedule& schedule, int section_number, const SectionDesign& design,
                      const std::vector<std::string>& code_name_records, const StringingData& data) {
    SectionChart result{section_number, design.first_structure, design.code_name,
                        conductor_of(design.code_name, code_name_records, data), design.condition, {}, {}};
    std::vector<double> lengths;
    for (int n : schedule.sections[static_cast<size_t>(section_number - 1)].spans)
        lengths.push_back(schedule.spans[static_cast<size_t>(n)].length_m);
    result.chart = stringing_chart(result.conductor, lengths, design.condition, schedule.temperatures_c);
    if (result.chart.points.empty()) result.problem = problem_of(result.conductor, design.condition, lengths);
    if (result.problem.empty()) result.problem = overstress_of(result);
    if (!result.problem.empty()) result.chart.points.clear();
    return result;
}

}  // namespace

Conductor conductor_of(const std::string& code_name, const std::vector<std::string>& code_name_records,
                       const StringingData& data) {
    Conductor conductor;
    conductor.code_name = code_name;
    for (const std::string& record : code_name_records) {
        if (record_field(record, Code_Name) != code_name) continue;
        conductor.mass_kg_per_km = stored_or_zero(record, Mass);
        conductor.diameter_mm = stored_or_zero(record, Diameter);
    }
    if (const ConductorMechanics* m = data.mechanics(code_name)) {
        conductor.area_mm2 = m->area_mm2;
        conductor.modulus_gpa = m->modulus_gpa;
        conductor.expansion_per_c = m->expansion_per_c;
        conductor.rated_strength_kn = m->rated_strength_kn;
    }
    return conductor;
}

LineSchedule line_schedule(const std::vector<std::string>& span_records,
                           const std::vector<std::string>& code_name_records, const StringingData& data) {
    LineSchedule schedule;
    schedule.spans = spans_of(span_records);
    schedule.sections = tension_sections(schedule.spans, data.strain_structures);
    schedule.temperatures_c = chart_temperatures(data.chart.from_c, data.chart.to_c, data.chart.step_c);
    for (size_t s = 0; s < schedule.sections.size(); ++s) {
        const std::string first = section_first_structure(schedule.sections[s], schedule.spans);
        for (const SectionDesign& design : data.designs)
            if (design.first_structure == first)
                schedule.charts.push_back(chart_of(schedule, static_cast<int>(s) + 1, design, code_name_records, data));
    }
    return schedule;
}

int section_of_span(const LineSchedule& schedule, int span) {
    for (size_t s = 0; s < schedule.sections.size(); ++s)
        for (int n : schedule.sections[s].spans)
            if (n == span) return static_cast<int>(s);
    return -1;
}

const TensionSection& section_of(const LineSchedule& schedule, const SectionChart& chart) {
    return schedule.sections[static_cast<size_t>(chart.section - 1)];
}

std::vector<const ChartPoint*> points_of(const SectionChart& chart, CableAge age) {
    std::vector<const ChartPoint*> points;
    for (const ChartPoint& point : chart.chart.points)
        if (point.age == age) points.push_back(&point);
    return points;
}

const SectionChart* chart_for(const LineSchedule& schedule, int section, const std::string& code_name) {
    for (const SectionChart& chart : schedule.charts)
        if (chart.section == section + 1 && chart.code_name == code_name) return &chart;
    return nullptr;
}

std::optional<double> charted_sag(const LineSchedule& schedule, const SectionChart& chart, int span,
                                  double temperature_c, CableAge age) {
    const std::vector<int>& spans = schedule.sections[static_cast<size_t>(chart.section - 1)].spans;
    const auto found = std::find(spans.begin(), spans.end(), span);
    if (found == spans.end()) return std::nullopt;
    for (const ChartPoint& point : chart.chart.points)
        if (point.age == age && point.temperature_c == temperature_c)
            return point.sag_m[static_cast<size_t>(found - spans.begin())];
    return std::nullopt;
}

}  // namespace vortan::stringing
