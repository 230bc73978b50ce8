#include "project/setup_lists.h"

#include "calc/field_readers.h"
#include "calc/unit_conversion.h"
#include "project/record_fields.h"
#include "project/text_compare.h"

#include <optional>

namespace vortan {

namespace {

const char* kind_name(NameList list) {
    return list == NameList::StructureTypes ? "Structure Type" : "Cable Position";
}


template <typename T>
void replace_or_append(std::vector<T>& list, int number, T item) {
    if (number >= 1 && number <= static_cast<int>(list.size()))
        list[static_cast<size_t>(number - 1)] = std::move(item);
    else
        list.push_back(std::move(item));
}

}  // namespace

std::optional<std::array<std::string, 3>> combination_names(const Form& form, const std::string& record) {
    const std::vector<std::string>* lists[] = {&form.items(setup_list::Structure_Types),
                                               &form.items(setup_list::Cable_Positions),
                                               &form.items(setup_list::Code_Names)};
    std::array<std::string, 3> names;
    for (int column = 0; column < 3; ++column) {
        auto index = strict_integer(record_field(record, column + 1));
        const std::vector<std::string>& list = *lists[column];
        if (!index || *index < 0 || *index >= static_cast<int>(list.size())) return std::nullopt;
        const std::string& line = list[static_cast<size_t>(*index)];
        names[static_cast<size_t>(column)] = column == 2 ? record_field(line, 1) : line;
    }
    return names;
}

std::string join_record(const std::vector<std::string>& fields) {
    std::string record;
    for (const std::string& field : fields) record += record_safe(field) + '\t';
    return record;
}

CodeNameEntry code_name_entry_of(const std::string& record, bool imperial, const NumberFormat& numbers) {
    return {record_field(record, 1),
            record_field(record, 2),
            record_field(record, 3),
            display_text_of_stored(record_field(record, 4), Quantity::MassPerLength, imperial, numbers),
            display_text_of_stored(record_field(record, 5), Quantity::SmallLength, imperial, numbers),
            record_field(record, 4),
            record_field(record, 5)};
}

std::string inspector_count_text(int number, int count) {
    if (count == 0) return "No Inspectors Entered Yet.";
    return "Inspector : " + std::to_string(number) + " of " + std::to_string(count) + ".";
}

std::string cable_count_text(int number, int count) {
    if (count == 0) return "No Cables Entered Yet.";
    return "Cable : " + std::to_string(number) + " of " + std::to_string(count) + ".";
}

const char* SetupLists::control_of(NameList list) const {
    return list == NameList::StructureTypes ? setup_list::Structure_Types : setup_list::Cable_Positions;
}

bool SetupLists::refuse(MessageKind kind, const std::string& text, const std::string& focus) {
    port_.message(kind, Buttons::OK, text);
    if (!focus.empty()) form_.set_focus(focus);
    return false;
}

void SetupLists::changed() { form_.set_checked("Settings_Data_Changed_CheckBox", true); }

int SetupLists::find(NameList list, const std::string& name) const {
    const std::vector<std::string>& lines = form_.items(control_of(list));
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == name) return static_cast<int>(i);
    return -1;
}

bool SetupLists::add_name(NameList list, const std::string& typed) {
    const std::string name = record_safe(typed);
    const std::string kind = kind_name(list);
    if (name.empty())
        return refuse(MessageKind::Information, "Error:  You cannot add a null " + kind + " !", control_of(list));
    if (find(list, name) >= 0)
        return refuse(MessageKind::Information,
                      "Error:  An " + kind + " called \"" + name + "\" is already in the list !", control_of(list));
    std::vector<std::string> lines = form_.items(control_of(list));
    lines.push_back(name);
    form_.set_items(control_of(list), std::move(lines));
    changed();
    return true;
}

bool SetupLists::rename(NameList list, int index, const std::string& typed) {
    const std::string name = record_safe(typed);
    const std::string kind = kind_name(list);
    std::vector<std::string> lines = form_.items(control_of(list));
    if (lines.empty())
        return refuse(MessageKind::Error, "Error: There is nothing in the " + kind + " list to rename !", control_of(list));
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return refuse(MessageKind::Error,
                      "Error:  No Item Selected !   Please select an Item  in the " + kind +
                          " list and then press the \"Rename\" button.",
                      control_of(list));
    if (name.empty()) return refuse(MessageKind::Error, "Error:  You cannot add a null item !", control_of(list));
    int present = find(list, name);
    if (present == index) return true;  // unchanged
    if (present >= 0)
        return refuse(MessageKind::Error, "Error:  An item called \"" + name + "\" is already in the list !",
                      control_of(list));
    lines[static_cast<size_t>(index)] = name;
    form_.set_items(control_of(list), std::move(lines));
    changed();
    refresh_combinations();
    return true;
}

bool SetupLists::check_inspector(const InspectorFields& fields) {
    if (fields[0].empty())
        return refuse(MessageKind::Error, "Error : Inspector Surname cannot be null !", "Inspector_Surname_Edit");
    return true;
}

void SetupLists::store_inspector(int number, const InspectorFields& fields) {
    std::vector<std::string> lines = form_.items(setup_list::Inspectors);
    replace_or_append(lines, number, join_record({fields.begin(), fields.end()}));
    form_.set_items(setup_list::Inspectors, std::move(lines));
    changed();
}

bool SetupLists::commit_inspector(int number, const InspectorFields& fields) {
    if (!check_inspector(fields)) return false;
    store_inspector(number, fields);
    return true;
}

bool SetupLists::check_code_name(int number, CodeNameEntry& entry, bool imperial, const NumberFormat& numbers) {
    if (entry.name.empty())
        return refuse(MessageKind::Error, "Error: Code Name cannot be null !", "Code_Name_Name_Edit");
    const std::vector<std::string>& lines = form_.items(setup_list::Code_Names);
    for (size_t i = 0; i < lines.size(); ++i)
        if (static_cast<int>(i) != number - 1 && same_ignoring_case(record_field(lines[i], 1), record_safe(entry.name)))
            return refuse(MessageKind::Error, "Error: A Cable Code Name with this name already exists !",
                          "Code_Name_Name_Edit");
    if (entry.mass.empty()) {
        Answer answer = port_.warn(Buttons::YesCancel,
            "Warning: Cable Mass must be valid if you are using any Sag Calculation Methods that require Cable "
            "Mass.  \n\r\n\rCurrently, only the Shunt Dynamometer and Series Dynamometer Methods use Cable Mass in "
            "their calculations - but this could change in the future. \n\r\n\rIf you are not using these Sag "
            "Methods, would you like to set the Cable Mass to a default value of 100 ? ");
        if (answer != Answer::Yes) {
            form_.set_focus("Cable_Mass_Edit");
            return false;
        }
        entry.mass = "100";
    }
    auto focus = [this](const char* field) { return [this, field] { form_.set_focus(field); }; };
    if (read_number_text(port_, numbers, entry.mass, "Cable Mass", 1, 15000, focus("Cable_Mass_Edit")) == Abort_Value)
        return false;
    const auto millimetres = [imperial](double value) {
        return imperial ? metric_to_imperial(Quantity::SmallLength, value) : value;
    };
    if (!entry.diameter.empty() && read_number_text(port_, numbers, entry.diameter, "Cable Diameter", millimetres(1),
                                                    millimetres(100), focus("Cable_Diameter_Edit")) == Abort_Value)
        return false;
    return true;
}

void SetupLists::store_code_name(int number, const CodeNameEntry& entry, bool imperial, const NumberFormat& numbers) {
    std::vector<std::string> lines = form_.items(setup_list::Code_Names);
    std::string record = join_record(
        {entry.name, entry.construction, entry.stranding,
         !entry.stored_mass.empty() ? entry.stored_mass
                                    : metric_storage_text(entry.mass, Quantity::MassPerLength, imperial, numbers),
         !entry.stored_diameter.empty() ? entry.stored_diameter
                                        : metric_storage_text(entry.diameter, Quantity::SmallLength, imperial, numbers)});
    replace_or_append(lines, number, std::move(record));
    form_.set_items(setup_list::Code_Names, std::move(lines));
    changed();
    refresh_combinations();
}

bool SetupLists::commit_code_name(int number, CodeNameEntry& entry, bool imperial, const NumberFormat& numbers) {
    if (!check_code_name(number, entry, imperial, numbers)) return false;
    store_code_name(number, entry, imperial, numbers);
    return true;
}

bool SetupLists::add_combination(int structure_type, int cable_position, int code_name) {
    const std::vector<std::string>& combinations = form_.items(setup_list::Combinations);
    if (static_cast<int>(combinations.size()) >= Most_Combinations)
        return refuse(MessageKind::Information,
                      "Error: The maximum number of combinations catered for by this program (" +
                          std::to_string(Most_Combinations) + ") has been reached !  Please contact the program author.",
                      "");
    struct Check {
        bool failed;
        const char* text;
        const char* focus;
    };
    const Check checks[] = {
        {form_.items(setup_list::Structure_Types).empty(), "Error: No Structure Types have been entered !",
         setup_list::Structure_Types},
        {form_.items(setup_list::Cable_Positions).empty(), "Error: No Cable Positions have been entered !",
         setup_list::Cable_Positions},
        {form_.items(setup_list::Code_Names).empty(),
         "Error: No Cable Code Names have been entered.  Add Code Name details via the \"Cable Data\" tab !",
         setup_list::Code_Name_Names},
        {structure_type < 0 || structure_type >= static_cast<int>(form_.items(setup_list::Structure_Types).size()),
         "Error: No Structure Types have been selected !", setup_list::Structure_Types},
        {cable_position < 0 || cable_position >= static_cast<int>(form_.items(setup_list::Cable_Positions).size()),
         "Error: No Cable Positions have been selected !", setup_list::Cable_Positions},
        {code_name < 0 || code_name >= static_cast<int>(form_.items(setup_list::Code_Names).size()),
         "Error: No Cable Code Names have been selected !", setup_list::Code_Name_Names},
    };
    for (const Check& check : checks)
        if (check.failed) return refuse(MessageKind::Error, check.text, check.focus);
    std::string record = join_record(
        {std::to_string(structure_type), std::to_string(cable_position), std::to_string(code_name)});
    for (const std::string& existing : combinations)
        if (existing == record)
            return refuse(MessageKind::Error, "Error: This combination of items already exists !", "");
    std::vector<std::string> lines = combinations;
    lines.push_back(record);
    form_.set_items(setup_list::Combinations, std::move(lines));
    changed();
    refresh_combinations();
    return true;
}

bool SetupLists::add_basic_settings_data(bool imperial, const NumberFormat& numbers) {
    for (const char* list : {setup_list::Code_Names, setup_list::Structure_Types, setup_list::Cable_Positions,
                             setup_list::Combinations})
        if (!form_.items(list).empty()) return false;
    CodeNameEntry cable{"Cable 1", "", "", "1", ""};
    return commit_code_name(1, cable, imperial, numbers) && add_name(NameList::StructureTypes, "Structure 1") &&
           add_name(NameList::CablePositions, "Position 1") && add_combination(0, 0, 0);
}

void SetupLists::refresh_combinations() {
    std::vector<std::string> names;
    for (const std::string& record : form_.items(setup_list::Code_Names)) names.push_back(record_field(record, 1));
    form_.set_items(setup_list::Code_Name_Names, std::move(names));
    std::vector<std::string> rows;
    for (const std::string& combination : form_.items(setup_list::Combinations)) {
        if (static_cast<int>(rows.size()) == Most_Combinations) break;
        if (auto row = combination_names(form_, combination))
            rows.push_back(join_record({(*row)[0], (*row)[1], (*row)[2]}));
    }
    rows.resize(Most_Combinations);
    form_.set_items(setup_list::Combination_Grid, std::move(rows));
    int column = form_.item_index("Last_Sorted_By_RadioGroup");
    sort_combinations(column < 0 ? 0 : column);
}

void SetupLists::sort_combinations(int column, const std::string& direction) {
    if (column < 0 || column > 2) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error: The Sort Column (" + std::to_string(column) +
                          ") must be >= Fixed Cols (0) and <= ColCount (3) !");
        return;
    }
    bool ascending = direction == "A" || direction == "a";
    std::vector<std::string> rows = form_.items(setup_list::Combination_Grid);
    // Bubble sort: empty cells in the sort column never move up, so empty rows stay below.
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (size_t r = 0; r + 1 < rows.size(); ++r) {
            std::string here = record_field(rows[r], column + 1), next = record_field(rows[r + 1], column + 1);
            bool out_of_order = ascending ? here > next : here < next;
            if (out_of_order && !next.empty()) {
                std::swap(rows[r], rows[r + 1]);
                exchanged = true;
            }
        }
    }
    form_.set_items(setup_list::Combination_Grid, std::move(rows));
    form_.set_item_index("Last_Sorted_By_RadioGroup", column);
}

void SetupLists::update_count_labels(int inspector_number, int code_name_number) {
    auto count = [this](const char* list) { return static_cast<int>(form_.items(list).size()); };
    form_.set_caption("Structure_Type_Count_Label", "(" + std::to_string(count(setup_list::Structure_Types)) + " stuctures)");
    form_.set_caption("Cable_Positions_Count_Label",
                      "(" + std::to_string(count(setup_list::Cable_Positions)) + " cable positions)");
    form_.set_caption("Cable_Code_Names_Count_Label",
                      "(" + std::to_string(count(setup_list::Code_Names)) + " cable code names)");
    form_.set_caption("Valid_Combinations_Count_Label",
                      "(" + std::to_string(count(setup_list::Combinations)) + " combinations)");
    form_.set_caption("Inspector_Data_Count_Label", inspector_count_text(inspector_number, count(setup_list::Inspectors)));
    form_.set_caption("Cable_Data_Count_Label", cable_count_text(code_name_number, count(setup_list::Code_Names)));
}

}  // namespace vortan
