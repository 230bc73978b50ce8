// What a project keeps for its stringing charts, in a side file of its own: the
// mechanical data of its conductors, the structures where tension sections
// start (strain structures), a design condition per section and conductor,
// the chart's temperatures, and which schedule rows were filled from a chart.
// Everything is keyed by names (code names, structure names), not by list
// positions, so that inserting or deleting a span leaves it meaning the same.
// Numbers are SI-based and written plain, the same on every machine.
#pragma once

#include "stringing/conductor.h"
#include "stringing/stringing_chart.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan::stringing {

// The mechanical data of one code name; mass and diameter stay in its
// code-name record.
struct ConductorMechanics {
    std::string code_name;
    double area_mm2 = 0;
    double modulus_gpa = 0;
    double expansion_per_c = 0;
    double rated_strength_kn = 0;
};

// The design condition of one conductor in the section that starts at
// `first_structure`.
struct SectionDesign {
    std::string first_structure;
    std::string code_name;
    DesignCondition condition;
};

struct ChartRange {
    double from_c = -10;
    double to_c = 50;
    double step_c = 5;
};

// Schedule rows that the chart filled in a cable sag, with the values it
// filled: the rows count as the chart's while the cable sag still holds them.
struct FilledRows {
    std::string near_structure, far_structure, structure_type, cable_position, code_name;
    double upper_temperature_c = 0, upper_sag_m = 0, lower_temperature_c = 0, lower_sag_m = 0;
};

struct StringingData {
    std::vector<ConductorMechanics> conductors;
    std::vector<std::string> strain_structures;
    std::vector<SectionDesign> designs;
    ChartRange chart;
    std::vector<FilledRows> filled;
    std::vector<std::string> unknown_lines;  // from a later version: kept as they are

    bool empty() const;
    const ConductorMechanics* mechanics(const std::string& code_name) const;
    ConductorMechanics& mechanics_to_edit(const std::string& code_name);
    const SectionDesign* design(const std::string& first_structure, const std::string& code_name) const;
    SectionDesign& design_to_edit(const std::string& first_structure, const std::string& code_name);
    bool is_strain(const std::string& structure) const;
    void set_strain(const std::string& structure, bool strain);
    // The marks of a cable sag's rows, if the chart filled them.
    const FilledRows* filled_rows(const FilledRows& key) const;
    void set_filled_rows(const FilledRows& rows);
};

// The side file's lines, and back. A line that cannot be read is kept in
// unknown_lines, so that a save writes it back unchanged.
StringingData read_stringing_data(const std::vector<std::string>& lines);
std::vector<std::string> stringing_data_lines(const StringingData& data);

// A number as stored: the shortest text that reads back to the same double.
std::string plain_number(double value);
std::optional<double> read_plain_number(const std::string& text);
// A number with that many decimals, "." as the separator: for charts and CSV.
std::string fixed_decimals(double value, int decimals);

}  // namespace vortan::stringing
