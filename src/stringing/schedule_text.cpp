#include "stringing/schedule_text.h"

#include <algorithm>

namespace vortan::stringing {

namespace {

// Right-aligned in `width` characters.
std::string cell(const std::string& text, size_t width) {
    return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}

std::string left(const std::string& text, size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

const char* age_name(CableAge age) { return age == CableAge::Initial ? "initial" : "final"; }

bool wanted(const SectionChart& chart, int section) { return section == 0 || chart.section == section; }

constexpr size_t Name_Width = 16, Length_Width = 9, Value_Width = 8;

void add_table(std::vector<std::string>& out, const LineSchedule& schedule, const SectionChart& chart, CableAge age,
               const ChartUnits& units) {
    out.push_back(std::string(age == CableAge::Initial ? "Initial" : "Final") +
                  " (sags in " + units.length_unit() + ")");
    std::string heading = left("Span", Name_Width) + cell(std::string("Length"), Length_Width);
    std::string tensions = left(std::string("Tension (") + units.tension_unit() + ")", Name_Width + Length_Width);
    const std::vector<const ChartPoint*> points = points_of(chart, age);
    for (const ChartPoint* point : points) {
        heading += cell(fixed_decimals(units.temperature(point->temperature_c), 0) + units.temperature_unit(), Value_Width + 1);
        tensions += cell(fixed_decimals(units.tension(point->tension_n), units.imperial ? 0 : 2), Value_Width);
    }
    out.push_back(heading);
    out.push_back(tensions);
    const TensionSection& section = section_of(schedule, chart);
    for (size_t i = 0; i < section.spans.size(); ++i) {
        const LineSpan& span = schedule.spans[static_cast<size_t>(section.spans[i])];
        std::string row = left(span_name(span), Name_Width) + cell(fixed_decimals(units.length(span.length_m), 2), Length_Width);
        std::string catenary = left("  catenary", Name_Width + Length_Width);
        bool differs = false;
        for (const ChartPoint* point : points) {
            row += cell(fixed_decimals(units.length(point->sag_m[i]), 2), Value_Width);
            catenary += cell(fixed_decimals(units.length(point->catenary_sag_m[i]), 2), Value_Width);
            differs = differs || catenary_differs(point->sag_m[i], point->catenary_sag_m[i]);
        }
        out.push_back(row);
        if (differs) out.push_back(catenary);
    }
}

}  // namespace

std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string section_heading(const LineSchedule& schedule, int section_index, const ChartUnits& units) {
    const TensionSection& section = schedule.sections[static_cast<size_t>(section_index)];
    const LineSpan& first = schedule.spans[static_cast<size_t>(section.spans.front())];
    const LineSpan& last = schedule.spans[static_cast<size_t>(section.spans.back())];
    return "Section " + std::to_string(section_index + 1) + ": " + first.near_structure + " - " +
           last.far_structure + ", " + std::to_string(section.spans.size()) + " span(s), ruling span " +
           fixed_decimals(units.length(section.ruling_span_m), 2) + " " + units.length_unit();
}

// A stored value in the units in force, with its unit.
std::string shown(Quantity quantity, double stored, const ChartUnits& units) {
    return fixed_decimals(shown_value(quantity, stored, units.imperial), decimals_of(quantity, units.imperial)) + " " +
           unit_of(quantity, units.imperial);
}

std::vector<std::string> chart_heading(const LineSchedule& schedule, const SectionChart& chart,
                                       const ChartUnits& units) {
    const Conductor& c = chart.conductor;
    const DesignCondition& d = chart.design;
    const std::string tension = d.tension_kind == DesignCondition::Tension::Newtons
                                    ? fixed_decimals(units.tension(d.tension), units.imperial ? 0 : 2) + " " + units.tension_unit()
                                    : fixed_decimals(d.tension, 1) + " % of the rated strength";
    return {
        section_heading(schedule, chart.section - 1, units),
        "Conductor " + c.code_name + ": " + shown(Quantity::Mass, c.mass_kg_per_km, units) + ", " +
            shown(Quantity::Area, c.area_mm2, units) + ", E " + shown(Quantity::Modulus, c.modulus_gpa, units) +
            ", expansion " + shown(Quantity::Expansion, c.expansion_per_c, units) + ", rated strength " +
            shown(Quantity::Strength, c.rated_strength_kn, units),
        "Design: " + tension + " at " + shown(Quantity::Temperature, d.temperature_c, units) + " (" + age_name(d.age) +
            "), wind " + shown(Quantity::Load, d.wind_n_per_m, units) + ", ice " +
            shown(Quantity::Load, d.ice_n_per_m, units) + ", creep allowance " +
            shown(Quantity::Temperature_Difference, d.creep_c, units),
    };
}

std::vector<std::string> schedule_text(const LineSchedule& schedule, int section, bool imperial) {
    const ChartUnits units{imperial};
    std::vector<std::string> out;
    // A section without a design condition has no chart: say so.
    for (size_t s = 0; s < schedule.sections.size(); ++s) {
        const bool charted = std::any_of(schedule.charts.begin(), schedule.charts.end(),
                                         [&](const SectionChart& chart) { return chart.section == static_cast<int>(s) + 1; });
        if (!charted && (section == 0 || section == static_cast<int>(s) + 1))
            out.push_back(section_heading(schedule, static_cast<int>(s), units) + ": no design condition");
    }
    for (const SectionChart& chart : schedule.charts) {
        if (!wanted(chart, section)) continue;
        if (!out.empty()) out.push_back("");
        for (std::string& line : chart_heading(schedule, chart, units)) out.push_back(std::move(line));
        if (!chart.problem.empty()) {
            out.push_back("No chart: " + chart.problem + ".");
            continue;
        }
        for (CableAge age : {CableAge::Initial, CableAge::Final}) add_table(out, schedule, chart, age, units);
    }
    return out;
}

std::vector<std::string> schedule_csv(const LineSchedule& schedule, int section) {
    std::vector<std::string> out{Schedule_Csv_Header};
    for (const SectionChart& chart : schedule.charts) {
        if (!wanted(chart, section) || chart.chart.points.empty()) continue;
        const TensionSection& spans = section_of(schedule, chart);
        const Conductor& c = chart.conductor;
        for (size_t i = 0; i < spans.spans.size(); ++i) {
            const int n = spans.spans[i];
            const LineSpan& span = schedule.spans[static_cast<size_t>(n)];
            for (const ChartPoint& point : chart.chart.points)
                out.push_back(std::to_string(chart.section) + "," + csv_field(c.code_name) + "," +
                              std::to_string(n + 1) + "," + csv_field(span.near_structure) + "," +
                              csv_field(span.far_structure) + "," + plain_number(span.length_m) + "," +
                              fixed_decimals(spans.ruling_span_m, 3) + "," + age_name(point.age) + "," +
                              plain_number(point.temperature_c) + "," + fixed_decimals(point.sag_m[i], 4) + "," +
                              fixed_decimals(point.tension_n, 1) + "," + plain_number(c.mass_kg_per_km) + "," +
                              plain_number(c.area_mm2) + "," + plain_number(c.modulus_gpa) + "," +
                              plain_number(c.expansion_per_c) + "," + fixed_decimals(point.catenary_sag_m[i], 4));
        }
    }
    return out;
}

}  // namespace vortan::stringing
