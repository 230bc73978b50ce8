// The five setup lists of a project (inspectors, cable code names, structure
// types, cable positions, valid combinations), held in the setup editor's list
// controls, with the rules every change of them obeys.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "ui/userport.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vortan {

namespace setup_list {
inline constexpr const char* Inspectors = "Inspector_ListBox";
inline constexpr const char* Code_Names = "Code_Name_ListBox";
inline constexpr const char* Structure_Types = "Cable_Types_ListBox";
inline constexpr const char* Cable_Positions = "Cable_Positions_ListBox";
inline constexpr const char* Combinations = "Valid_Combinations_ListBox";
inline constexpr const char* Code_Name_Names = "Code_Name_Just_Names_ListBox";
inline constexpr const char* Combination_Grid = "Valid_Combinations_StringGrid";
}  // namespace setup_list

inline constexpr int Most_Combinations = 100;

// The two name lists that are edited by name.
enum class NameList { StructureTypes, CablePositions };

using InspectorFields = std::array<std::string, 7>;

// A code name as the user typed it: mass and diameter in the units in force.
struct CodeNameEntry {
    std::string name, construction, stranding, mass, diameter;
    // The stored metric texts an unedited mass and diameter stand for: stored
    // back as they were, so that showing a record in other units never drifts it.
    std::string stored_mass{}, stored_diameter{};
};

// A code-name record as the setup editor shows it, mass and diameter in the units in force.
CodeNameEntry code_name_entry_of(const std::string& record, bool imperial, const NumberFormat& numbers);

// The structure type, cable position and code name a combination record
// refers to, or nothing when one of its indexes names no line.
std::optional<std::array<std::string, 3>> combination_names(const Form& setup, const std::string& record);

// Joins fields into a record string, each field followed by a TAB; TAB, CR and
// LF inside a field become blanks.
std::string join_record(const std::vector<std::string>& fields);

class SetupLists {
public:
    SetupLists(Form& setup, UserPort& port) : form_(setup), port_(port) {}

    // The first line equal to the name (exact comparison), or -1.
    int find(NameList list, const std::string& name) const;

    bool add_name(NameList list, const std::string& name);
    // index: the selected line, -1 for none.
    bool rename(NameList list, int index, const std::string& name);
    // The check of an inspector before it is stored, with its message.
    bool check_inspector(const InspectorFields& fields);
    // number: 1-based; one past the last record appends.
    void store_inspector(int number, const InspectorFields& fields);
    // Checks and stores.
    bool commit_inspector(int number, const InspectorFields& fields);
    // The checks of a code name before it is stored, with their messages; may
    // ask to put the default mass 100 into entry.mass.
    // The diameter's range is 1 to 100 mm, in the units in force.
    bool check_code_name(int number, CodeNameEntry& entry, bool imperial, const NumberFormat& numbers);
    // Stores the entry (mass and diameter converted to metric) as record `number`.
    void store_code_name(int number, const CodeNameEntry& entry, bool imperial, const NumberFormat& numbers);
    // Checks and stores.
    bool commit_code_name(int number, CodeNameEntry& entry, bool imperial, const NumberFormat& numbers);
    // Indexes of the selected structure type, cable position and code name (-1: none).
    bool add_combination(int structure_type, int cable_position, int code_name);
    // The default setup, when the code-name, structure-type, position and combination lists are empty.
    bool add_basic_settings_data(bool imperial, const NumberFormat& numbers);

    // Rebuilds the code-name names and the combination grid, sorted by the last sort column.
    void refresh_combinations();
    // Sorts the grid by a column (0 to 2), ascending for "A" or "a"; records the column.
    void sort_combinations(int column, const std::string& direction = "A");
    void update_count_labels(int inspector_number, int code_name_number);

private:
    const char* control_of(NameList list) const;
    bool refuse(MessageKind kind, const std::string& text, const std::string& focus);
    void changed();

    Form& form_;
    UserPort& port_;
};

// The text of each count label.
std::string inspector_count_text(int number, int count);
std::string cable_count_text(int number, int count);

}  // namespace vortan
