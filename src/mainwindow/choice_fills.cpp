#include "mainwindow/choice_fills.h"

#include "project/record_fields.h"
#include "project/setup_lists.h"
#include "project/text_compare.h"
#include "project/project_file_set.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace vortan {

namespace {

// The names of every combination whose three indexes name lines; the others
// stay in the list but offer nothing.
std::vector<std::array<std::string, 3>> valid_combinations(const Form& setup) {
    std::vector<std::array<std::string, 3>> result;
    for (const std::string& record : setup.items(setup_list::Combinations))
        if (auto names = combination_names(setup, record)) result.push_back(*names);
    return result;
}

void add_unless_present(std::vector<std::string>& items, const std::string& name) {
    bool present = std::any_of(items.begin(), items.end(),
                               [&name](const std::string& item) { return same_ignoring_case(item, name); });
    if (!present) items.push_back(name);
}

// Names of the combinations whose leading names match the chosen ones, letter
// case ignored as when the choices were built, so every spelling is reachable.
std::vector<std::string> choices(const Form& setup, size_t column, const std::vector<std::string>& chosen) {
    std::vector<std::string> items;
    for (const auto& combination : valid_combinations(setup)) {
        bool matches = true;
        for (size_t i = 0; i < chosen.size(); ++i) matches = matches && same_ignoring_case(combination[i], chosen[i]);
        if (matches) add_unless_present(items, combination[column]);
    }
    return items;
}

// Selects the remembered index, or item 0 when it names no item, and
// remembers what was selected: a record is never stored under a selection
// that no item shows.
void select_remembered(Form& main, const std::string& combo, const std::string& index_spin) {
    int index = main.value(index_spin);
    int last = static_cast<int>(main.items(combo).size()) - 1;
    if (index > last || index < 0) index = last < 0 ? -1 : 0;
    main.set_item_index(combo, index);
    main.set_value(index_spin, index);
}

}  // namespace

void fill_project_details(Form& main, const Form& setup) {
    for (const char* text : Project_Texts)
        main.set_text(text, setup.text(text));
}

void fill_inspector_choices(Form& main, const Form& setup, bool keep_none) {
    const int chosen = main.item_index("Inspector_Surname_ComboBox");
    int remembered = keep_none ? chosen : std::max(chosen, 0);
    std::vector<std::string> surnames;
    for (const std::string& record : setup.items(setup_list::Inspectors)) surnames.push_back(record_field(record, 1));
    main.set_items("Inspector_Surname_ComboBox", {});
    main.set_items("Inspector_Surname_ComboBox", std::move(surnames));
    if (static_cast<int>(main.items("Inspector_Surname_ComboBox").size()) > remembered)
        main.set_item_index("Inspector_Surname_ComboBox", remembered);
}

void fill_current_inspector(Form& main, const Form& setup, bool choose_first) {
    main.set_text("Inspector_Given_Name_Edit", "");
    if (choose_first && main.item_index("Inspector_Surname_ComboBox") < 0 &&
        !main.items("Inspector_Surname_ComboBox").empty())
        main.set_item_index("Inspector_Surname_ComboBox", 0);
    int index = main.item_index("Inspector_Surname_ComboBox");
    const auto& inspectors = setup.items(setup_list::Inspectors);
    if (index >= 0 && index < static_cast<int>(inspectors.size()))
        main.set_text("Inspector_Given_Name_Edit", record_field(inspectors[static_cast<size_t>(index)], 2));
}

void fill_structure_types(Form& main, const Form& setup) {
    main.set_items("Cable_Type_ComboBox", {});
    main.set_items("Cable_Type_ComboBox", choices(setup, 0, {}));
    select_remembered(main, "Cable_Type_ComboBox", "Cable_Type_ComboBox_Index_SpinEdit");
}

void fill_cable_positions(Form& main, const Form& setup) {
    std::string type = main.text("Cable_Type_ComboBox");
    main.set_items("Cable_Position_ComboBox", {});
    main.set_items("Cable_Position_ComboBox", choices(setup, 1, {type}));
    select_remembered(main, "Cable_Position_ComboBox", "Cable_Position_ComboBox_Index_SpinEdit");
}

void fill_code_names(Form& main, const Form& setup) {
    std::string type = main.text("Cable_Type_ComboBox"), position = main.text("Cable_Position_ComboBox");
    main.set_items("Cable_Code_Name_ComboBox", {});
    main.set_items("Cable_Code_Name_ComboBox", choices(setup, 2, {type, position}));
    select_remembered(main, "Cable_Code_Name_ComboBox", "Cable_Code_Name_ComboBox_Index_SpinEdit");
}

UnreachableCableSags unreachable_cable_sags(const Form& main, const Form& setup) {
    const int span_count = static_cast<int>(main.items("Pole_Data_Listbox").size());
    const std::vector<std::string> types = choices(setup, 0, {});
    // The lists a type and a position offer, made once for each: a line of
    // 100,000 cable sags names only a few.
    std::map<int, std::vector<std::string>> positions_of;
    std::map<std::pair<int, int>, int> code_count_of;
    auto in_range = [](std::optional<int> index, size_t count) {
        return index && *index >= 0 && *index < static_cast<int>(count);
    };
    UnreachableCableSags unreachable;
    for (const std::string& record : main.items("Cable_Bundle_Record_Listbox")) {
        const auto span = strict_integer(record_field(record, 1));
        const auto type = strict_integer(record_field(record, 2));
        const auto position = strict_integer(record_field(record, 3));
        if (!span || *span < 1 || *span > span_count) {
            ++unreachable.without_sag_span;
            continue;
        }
        bool reached = in_range(type, types.size());
        if (reached && !positions_of.count(*type))
            positions_of[*type] = choices(setup, 1, {types[static_cast<size_t>(*type)]});
        reached = reached && in_range(position, positions_of[*type].size());
        if (reached && !code_count_of.count({*type, *position})) {
            const std::string& position_name = positions_of[*type][static_cast<size_t>(*position)];
            code_count_of[{*type, *position}] =
                static_cast<int>(choices(setup, 2, {types[static_cast<size_t>(*type)], position_name}).size());
        }
        reached = reached && in_range(strict_integer(record_field(record, 4)),
                                      static_cast<size_t>(code_count_of[{*type, *position}]));
        unreachable.without_setup_entry += !reached;
    }
    return unreachable;
}

void fill_all_choices(Form& main, const Form& setup, bool stored_span_shown) {
    fill_inspector_choices(main, setup, stored_span_shown);
    fill_current_inspector(main, setup, !stored_span_shown);
    fill_structure_types(main, setup);
    fill_cable_positions(main, setup);
    fill_code_names(main, setup);
    fill_project_details(main, setup);
}

}  // namespace vortan
