#include "stringing/stringing_edit.h"

#include "stringing/stringing_chart.h"

#include <cmath>

namespace vortan::stringing {

namespace {

// A chart wider than this is a typing slip (a step of 0.01), not a chart.
constexpr size_t Most_Chart_Temperatures = 61;
// Conductor temperatures a line is designed for, with room to spare.
constexpr double Lowest_C = -100, Highest_C = 300;

bool is_design(Field field) { return field >= Field::Design_Tension && field <= Field::Creep; }
bool is_mechanic(Field field) { return field <= Field::Rated_Strength; }

double* value_in(StringingData& data, const EditTarget& target, Field field) {
    if (is_mechanic(field)) {
        ConductorMechanics& m = data.mechanics_to_edit(target.code_name);
        double* values[] = {&m.area_mm2, &m.modulus_gpa, &m.expansion_per_c, &m.rated_strength_kn};
        return values[static_cast<int>(field)];
    }
    if (is_design(field)) {
        DesignCondition& d = data.design_to_edit(target.first_structure, target.code_name).condition;
        double* values[] = {&d.tension, &d.temperature_c, &d.wind_n_per_m, &d.ice_n_per_m, &d.creep_c};
        return values[static_cast<int>(field) - static_cast<int>(Field::Design_Tension)];
    }
    ChartRange& c = data.chart;
    double* values[] = {&c.from_c, &c.to_c, &c.step_c};
    return values[static_cast<int>(field) - static_cast<int>(Field::Chart_From)];
}

bool percent_tension(const StringingData& data, const EditTarget& target) {
    const SectionDesign* design = data.design(target.first_structure, target.code_name);
    return design && design->condition.tension_kind == DesignCondition::Tension::Percent_Of_Rated_Strength;
}

// Why a value cannot stand on its own; empty when it can.
std::string refusal(Field field, double value, bool percent) {
    const std::string name = field_name(field);
    switch (field) {
    // Bounds no overhead conductor falls outside: a value beyond them was
    // typed in other units (an expansion of 0.0000189 typed as millionths).
    case Field::Area:
        return value >= 1 && value <= 5000 ? "" : name + " must lie between 1 and 5000 mm² (7.75 in²).";
    case Field::Modulus:
        return value >= 20 && value <= 250 ? "" : name + " must lie between 20 and 250 GPa (2.9 and 36.3 Msi).";
    case Field::Expansion:
        return value >= 1e-6 && value <= 50e-6
                   ? ""
                   : name + " must lie between 1 and 50 millionths per °C (0.56 and 27.8 per °F): "
                            "type 18.9 for 18.9 x 10^-6 /°C.";
    case Field::Chart_Step: return value > 0 ? "" : name + " must be more than 0.";
    case Field::Design_Tension:
        if (percent && (value <= 0 || value >= 100)) return name + " must be more than 0 % and less than 100 %.";
        return value > 0 ? "" : name + " must be more than 0.";
    case Field::Design_Temperature:
    case Field::Chart_From:
    case Field::Chart_To:
        return value >= Lowest_C && value <= Highest_C ? "" : name + " must lie between -100 °C and 300 °C.";
    default: return value >= 0 ? "" : name + " must not be less than 0.";
    }
}

std::string chart_refusal(const ChartRange& chart) {
    if (chart.from_c >= chart.to_c) return "The chart must run from a lower to a higher temperature.";
    if (chart_temperatures(chart.from_c, chart.to_c, chart.step_c).size() > Most_Chart_Temperatures)
        return "The chart would have more than 61 temperatures: take a larger step.";
    return "";
}

}  // namespace

const char* field_name(Field field) {
    static const char* const names[] = {"The area", "The modulus", "The expansion coefficient",
                                        "The rated strength", "The design tension", "The design temperature",
                                        "The wind load", "The ice load", "The creep allowance",
                                        "The first chart temperature", "The last chart temperature",
                                        "The temperature step"};
    return names[static_cast<int>(field)];
}

Quantity quantity_of(Field field, const StringingData& data, const EditTarget& target) {
    switch (field) {
    case Field::Area: return Quantity::Area;
    case Field::Modulus: return Quantity::Modulus;
    case Field::Expansion: return Quantity::Expansion;
    case Field::Rated_Strength: return Quantity::Strength;
    case Field::Design_Tension: return percent_tension(data, target) ? Quantity::Percent : Quantity::Tension;
    case Field::Wind:
    case Field::Ice: return Quantity::Load;
    case Field::Creep:
    case Field::Chart_Step: return Quantity::Temperature_Difference;
    default: return Quantity::Temperature;
    }
}

double field_value(const StringingData& data, const EditTarget& target, Field field) {
    StringingData copy = data;  // the editing accessors add what is missing, with its defaults
    return *value_in(copy, target, field);
}

std::string set_field(StringingData& data, const EditTarget& target, Field field, double value) {
    if (!std::isfinite(value)) return std::string(field_name(field)) + " is not a number.";
    if (std::string why = refusal(field, value, percent_tension(data, target)); !why.empty()) return why;
    StringingData edited = data;
    *value_in(edited, target, field) = value;
    if (field >= Field::Chart_From)
        if (std::string why = chart_refusal(edited.chart); !why.empty()) return why;
    data = std::move(edited);
    return "";
}

void set_tension_kind(StringingData& data, const EditTarget& target, DesignCondition::Tension kind) {
    DesignCondition& d = data.design_to_edit(target.first_structure, target.code_name).condition;
    if (d.tension_kind == kind) return;
    const ConductorMechanics* m = data.mechanics(target.code_name);
    const double rated_n = m ? m->rated_strength_kn * 1000 : 0;
    if (rated_n <= 0) d.tension = 0;
    else if (kind == DesignCondition::Tension::Newtons) d.tension = d.tension / 100 * rated_n;
    else d.tension = d.tension / rated_n * 100;
    d.tension_kind = kind;
}

void set_design_age(StringingData& data, const EditTarget& target, CableAge age) {
    data.design_to_edit(target.first_structure, target.code_name).condition.age = age;
}

void fill_mechanics(StringingData& data, const std::string& code_name, const Conductor& from) {
    ConductorMechanics& m = data.mechanics_to_edit(code_name);
    m.area_mm2 = from.area_mm2;
    m.modulus_gpa = from.modulus_gpa;
    m.expansion_per_c = from.expansion_per_c;
    m.rated_strength_kn = from.rated_strength_kn;
}

}  // namespace vortan::stringing
