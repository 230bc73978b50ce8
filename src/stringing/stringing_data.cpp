#include "stringing/stringing_data.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

namespace vortan::stringing {

namespace {

// The fields of a line, each followed by a TAB (the last TAB may be missing).
std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (start < line.size()) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            fields.push_back(line.substr(start));
            break;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    return fields;
}

std::string line_of(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) line += field + '\t';
    return line;
}

// Reads fields [first, first + count) as numbers into `targets`; false if any is not one.
bool read_numbers(const std::vector<std::string>& fields, size_t first, std::initializer_list<double*> targets) {
    if (fields.size() < first + targets.size()) return false;
    size_t n = first;
    for (double* target : targets) {
        const auto value = read_plain_number(fields[n++]);
        if (!value) return false;
        *target = *value;
    }
    return true;
}

bool read_conductor(const std::vector<std::string>& f, StringingData& data) {
    ConductorMechanics m;
    if (f.size() < 2 || f[1].empty()) return false;
    m.code_name = f[1];
    if (!read_numbers(f, 2, {&m.area_mm2, &m.modulus_gpa, &m.expansion_per_c, &m.rated_strength_kn})) return false;
    data.conductors.push_back(m);
    return true;
}

bool read_design(const std::vector<std::string>& f, StringingData& data) {
    if (f.size() < 10 || (f[3] != "N" && f[3] != "%") || (f[9] != "initial" && f[9] != "final")) return false;
    SectionDesign d{f[1], f[2], {}};
    DesignCondition& c = d.condition;
    c.tension_kind = f[3] == "N" ? DesignCondition::Tension::Newtons : DesignCondition::Tension::Percent_Of_Rated_Strength;
    c.age = f[9] == "initial" ? CableAge::Initial : CableAge::Final;
    if (!read_numbers(f, 4, {&c.tension, &c.temperature_c, &c.wind_n_per_m, &c.ice_n_per_m, &c.creep_c})) return false;
    data.designs.push_back(d);
    return true;
}

bool read_filled(const std::vector<std::string>& f, StringingData& data) {
    FilledRows r;
    if (f.size() < 10) return false;
    r.near_structure = f[1], r.far_structure = f[2], r.structure_type = f[3], r.cable_position = f[4];
    r.code_name = f[5];
    if (!read_numbers(f, 6, {&r.upper_temperature_c, &r.upper_sag_m, &r.lower_temperature_c, &r.lower_sag_m}))
        return false;
    data.filled.push_back(r);
    return true;
}

bool read_line(const std::string& line, StringingData& data) {
    const std::vector<std::string> f = fields_of(line);
    if (f.empty()) return false;
    if (f[0] == "conductor") return read_conductor(f, data);
    if (f[0] == "strain" && f.size() >= 2 && !f[1].empty()) {
        data.strain_structures.push_back(f[1]);
        return true;
    }
    if (f[0] == "design") return read_design(f, data);
    if (f[0] == "chart") return read_numbers(f, 1, {&data.chart.from_c, &data.chart.to_c, &data.chart.step_c});
    if (f[0] == "filled") return read_filled(f, data);
    return false;
}

bool same_key(const FilledRows& a, const FilledRows& b) {
    return a.near_structure == b.near_structure && a.far_structure == b.far_structure &&
           a.structure_type == b.structure_type && a.cable_position == b.cable_position && a.code_name == b.code_name;
}

}  // namespace

std::string plain_number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::optional<double> read_plain_number(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// to_chars, not printf: a Qt program runs in the user's locale, whose decimal
// comma printf would follow.
std::string fixed_decimals(double value, int decimals) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(text, result.ptr) : plain_number(value);
}

bool StringingData::empty() const {
    const ChartRange standard;
    return conductors.empty() && strain_structures.empty() && designs.empty() && filled.empty() &&
           unknown_lines.empty() && chart.from_c == standard.from_c && chart.to_c == standard.to_c &&
           chart.step_c == standard.step_c;
}

const ConductorMechanics* StringingData::mechanics(const std::string& code_name) const {
    auto found = std::find_if(conductors.begin(), conductors.end(),
                              [&](const ConductorMechanics& m) { return m.code_name == code_name; });
    return found == conductors.end() ? nullptr : &*found;
}

ConductorMechanics& StringingData::mechanics_to_edit(const std::string& code_name) {
    if (const ConductorMechanics* found = mechanics(code_name)) return const_cast<ConductorMechanics&>(*found);
    conductors.push_back({code_name});
    return conductors.back();
}

const SectionDesign* StringingData::design(const std::string& first_structure, const std::string& code_name) const {
    auto found = std::find_if(designs.begin(), designs.end(), [&](const SectionDesign& d) {
        return d.first_structure == first_structure && d.code_name == code_name;
    });
    return found == designs.end() ? nullptr : &*found;
}

SectionDesign& StringingData::design_to_edit(const std::string& first_structure, const std::string& code_name) {
    if (const SectionDesign* found = design(first_structure, code_name)) return const_cast<SectionDesign&>(*found);
    designs.push_back({first_structure, code_name, {}});
    return designs.back();
}

bool StringingData::is_strain(const std::string& structure) const {
    return std::find(strain_structures.begin(), strain_structures.end(), structure) != strain_structures.end();
}

void StringingData::set_strain(const std::string& structure, bool strain) {
    std::erase(strain_structures, structure);
    if (strain) strain_structures.push_back(structure);
}

const FilledRows* StringingData::filled_rows(const FilledRows& key) const {
    auto found = std::find_if(filled.begin(), filled.end(), [&](const FilledRows& r) { return same_key(r, key); });
    return found == filled.end() ? nullptr : &*found;
}

void StringingData::set_filled_rows(const FilledRows& rows) {
    std::erase_if(filled, [&](const FilledRows& r) { return same_key(r, rows); });
    filled.push_back(rows);
}

StringingData read_stringing_data(const std::vector<std::string>& lines) {
    StringingData data;
    for (const std::string& line : lines)
        if (!read_line(line, data)) data.unknown_lines.push_back(line);
    return data;
}

std::vector<std::string> stringing_data_lines(const StringingData& data) {
    const auto n = [](double value) { return plain_number(value); };
    std::vector<std::string> lines;
    for (const ConductorMechanics& m : data.conductors)
        lines.push_back(line_of({"conductor", m.code_name, n(m.area_mm2), n(m.modulus_gpa), n(m.expansion_per_c),
                                 n(m.rated_strength_kn)}));
    for (const std::string& structure : data.strain_structures) lines.push_back(line_of({"strain", structure}));
    for (const SectionDesign& d : data.designs) {
        const DesignCondition& c = d.condition;
        lines.push_back(line_of({"design", d.first_structure, d.code_name,
                                 c.tension_kind == DesignCondition::Tension::Newtons ? "N" : "%", n(c.tension),
                                 n(c.temperature_c), n(c.wind_n_per_m), n(c.ice_n_per_m), n(c.creep_c),
                                 c.age == CableAge::Initial ? "initial" : "final"}));
    }
    const ChartRange standard;
    if (data.chart.from_c != standard.from_c || data.chart.to_c != standard.to_c || data.chart.step_c != standard.step_c)
        lines.push_back(line_of({"chart", n(data.chart.from_c), n(data.chart.to_c), n(data.chart.step_c)}));
    for (const FilledRows& r : data.filled)
        lines.push_back(line_of({"filled", r.near_structure, r.far_structure, r.structure_type, r.cable_position,
                                 r.code_name, n(r.upper_temperature_c), n(r.upper_sag_m), n(r.lower_temperature_c),
                                 n(r.lower_sag_m)}));
    lines.insert(lines.end(), data.unknown_lines.begin(), data.unknown_lines.end());
    return lines;
}

}  // namespace vortan::stringing
