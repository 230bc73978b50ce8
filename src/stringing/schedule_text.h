// A line's stringing charts as text for a reader (in the project's units)
// and as CSV for a spreadsheet (always SI).
#pragma once

#include "stringing/line_schedule.h"
#include "stringing/quantity_units.h"

#include <string>
#include <vector>

namespace vortan::stringing {

inline constexpr const char* Schedule_Csv_Header =
    "section,code_name,span,from,to,length_m,ruling_span_m,state,temperature_c,sag_m,tension_n,mass_kg_per_km,"
    "area_mm2,modulus_gpa,expansion_per_c,catenary_sag_m";

// `section`: 1-based, or 0 for every section.
std::vector<std::string> schedule_csv(const LineSchedule& schedule, int section);
std::vector<std::string> schedule_text(const LineSchedule& schedule, int section, bool imperial);

// One field of a CSV row, quoted when it holds a comma, a quote or a line break.
std::string csv_field(const std::string& text);

// Units a chart is shown in: the quantities' own conversions, by name.
struct ChartUnits {
    bool imperial = false;
    double length(double metres) const { return shown_value(Quantity::Length, metres, imperial); }
    double temperature(double celsius) const { return shown_value(Quantity::Temperature, celsius, imperial); }
    double tension(double newtons) const { return shown_value(Quantity::Tension, newtons, imperial); }
    const char* length_unit() const { return unit_of(Quantity::Length, imperial); }
    const char* temperature_unit() const { return unit_of(Quantity::Temperature, imperial); }
    const char* tension_unit() const { return unit_of(Quantity::Tension, imperial); }
};

// "Section 1: T01 - T13, 12 span(s), ruling span 312.45 m" for a section (0-based).
std::string section_heading(const LineSchedule& schedule, int section, const ChartUnits& units);
// The section's heading and the lines of the conductor and its design condition.
std::vector<std::string> chart_heading(const LineSchedule& schedule, const SectionChart& chart, const ChartUnits& units);

}  // namespace vortan::stringing
