#include "shell/scenario_stringing.h"

#include "stringing/conductor_catalogue.h"
#include "stringing/schedule_text.h"

#include <sstream>
#include <vector>

namespace vortan {

using namespace stringing;

namespace {

double number_of(const std::string& text) {
    const auto value = read_plain_number(text);
    if (!value) throw BadStringingLine("not a number: " + text);
    return *value;
}

// The words, the last `rest` of them joined again: a name may hold blanks.
std::vector<std::string> split(const std::string& line, size_t fields) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (words.size() + 1 < fields && in >> word) words.push_back(word);
    std::string rest;
    std::getline(in >> std::ws, rest);
    if (!rest.empty()) words.push_back(rest);
    if (words.size() != fields) throw BadStringingLine("expected " + std::to_string(fields) + " words: " + line);
    return words;
}

void set_from_catalogue(StringingData& data, const std::string& name) {
    const CatalogueConductor* entry = catalogue_conductor(name);
    if (!entry) throw BadStringingLine("no conductor " + name + " in the catalogue");
    ConductorMechanics& m = data.mechanics_to_edit(name);
    m.area_mm2 = entry->data.area_mm2;
    m.modulus_gpa = entry->data.modulus_gpa;
    m.expansion_per_c = entry->data.expansion_per_c;
    m.rated_strength_kn = entry->data.rated_strength_kn;
}

// design FIRST TENSION[%] TEMPERATURE WIND ICE CREEP initial|final CODE-NAME
void set_design(StringingData& data, const std::vector<std::string>& w) {
    DesignCondition c;
    std::string tension = w[1];
    if (!tension.empty() && tension.back() == '%') {
        c.tension_kind = DesignCondition::Tension::Percent_Of_Rated_Strength;
        tension.pop_back();
    }
    c.tension = number_of(tension);
    c.temperature_c = number_of(w[2]);
    c.wind_n_per_m = number_of(w[3]);
    c.ice_n_per_m = number_of(w[4]);
    c.creep_c = number_of(w[5]);
    if (w[6] != "initial" && w[6] != "final") throw BadStringingLine("initial or final, not " + w[6]);
    c.age = w[6] == "initial" ? CableAge::Initial : CableAge::Final;
    data.design_to_edit(w[0], w[7]).condition = c;
}

void print_charts(const MainWindow& main, const std::string& words, const std::function<void(const std::string&)>& out) {
    std::istringstream in(words);
    int section = 0;
    bool csv = false;
    for (std::string word; in >> word;) {
        if (word == "csv") csv = true;
        else section = static_cast<int>(number_of(word));
    }
    const LineSchedule schedule = main.line_schedule();
    for (const std::string& line : csv ? schedule_csv(schedule, section)
                                       : schedule_text(schedule, section, main.imperial()))
        out(line);
}

}  // namespace

void run_stringing_command(MainWindow& main, const std::string& words,
                           const std::function<void(const std::string&)>& out) {
    std::istringstream in(words);
    std::string what;
    in >> what;
    std::string rest;
    std::getline(in >> std::ws, rest);
    if (what == "print") return print_charts(main, rest, out);
    StringingData data = main.stringing_data();
    if (what == "conductor") {
        set_from_catalogue(data, rest);
    } else if (what == "mechanics") {
        const auto w = split(rest, 5);
        ConductorMechanics& m = data.mechanics_to_edit(w[4]);
        m.area_mm2 = number_of(w[0]), m.modulus_gpa = number_of(w[1]);
        m.expansion_per_c = number_of(w[2]), m.rated_strength_kn = number_of(w[3]);
    } else if (what == "strain") {
        data.set_strain(rest, true);
    } else if (what == "design") {
        set_design(data, split(rest, 8));
    } else if (what == "chart") {
        const auto w = split(rest, 3);
        data.chart = {number_of(w[0]), number_of(w[1]), number_of(w[2])};
    } else {
        throw BadStringingLine("unknown stringing command " + what);
    }
    main.set_stringing_data(data);
}

}  // namespace vortan
