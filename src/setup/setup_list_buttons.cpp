#include "setup/setup_list_buttons.h"

#include "project/setup_lists.h"

namespace vortan {

namespace {

void update_counts(Form& setup, SetupLists& lists) {
    lists.update_count_labels(setup.value("Inspector_Number_SpinEdit"), setup.value("Code_Name_SpinEdit"));
}

struct NameListButtons {
    NameList list;
    const char* kind;
    const char* list_control;
    const char* add_button;
    const char* rename_button;
};

const NameListButtons Name_Lists[] = {
    {NameList::StructureTypes, "Structure Type", setup_list::Structure_Types, "Add_Structure_Type_BitBtn",
     "Rename_Structure_Type_BitBtn"},
    {NameList::CablePositions, "Cable Position", setup_list::Cable_Positions, "Add_Cable_Position_BitBtn",
     "Rename_Cable_Position_BitBtn"},
};

void add_name(Form& setup, UserPort& port, const NameListButtons& b) {
    auto name = port.input_box(std::string("Add new ") + b.kind + " :", std::string("Enter New ") + b.kind + " :", "");
    if (!name) return;
    SetupLists lists(setup, port);
    if (lists.add_name(b.list, *name)) update_counts(setup, lists);
}

void rename(Form& setup, UserPort& port, const NameListButtons& b) {
    SetupLists lists(setup, port);
    int index = setup.item_index(b.list_control);
    const auto& lines = setup.items(b.list_control);
    if (index < 0 || index >= static_cast<int>(lines.size())) {
        lists.rename(b.list, index, "");  // says why nothing can be renamed
        return;
    }
    const std::string old_name = lines[static_cast<size_t>(index)];
    auto name = port.input_box(std::string("Rename ") + b.kind + " :", "Enter New Name for \"" + old_name + "\" :",
                               old_name);
    if (!name || *name == old_name) return;
    lists.rename(b.list, index, *name);
}

void add_basic_settings(Form& setup, UserPort& port, const NumberFormat& numbers,
                        const std::function<void()>& show_code_name) {
    for (const char* list : {setup_list::Code_Names, setup_list::Structure_Types, setup_list::Cable_Positions,
                             setup_list::Combinations}) {
        if (!setup.items(list).empty()) {
            port.message(MessageKind::Information, Buttons::OK,
                         "Sorry, this option can only be used if you haven't already entered any Cable or Structure "
                         "Details.  \n\r\n\rBefore you can use this button to setup default values, you need to start "
                         "a new project by using the Reset button on the main screen.");
            return;
        }
    }
    if (setup.checked("Code_Name_Changed_CheckBox") &&
        port.warn(Buttons::YesNo,
                     "Warning : Some Cable Data settings have been changed, but not saved.   \n\r\n\rAre you sure you "
                     "want to erase this with default cable / structure details ?") != Answer::Yes)
        return;
    SetupLists lists(setup, port);
    bool imperial = setup.item_index("Units_of_Measure_RadioGroup") == 1;
    setup.set_value("Code_Name_SpinEdit", 1);
    if (!lists.add_basic_settings_data(imperial, numbers)) return;
    show_code_name();
    update_counts(setup, lists);
    setup.set_active_page("Settings_PageControl", 2);
    port.message(MessageKind::Confirmation, Buttons::OK,
                 "Success !!\n\r\n\rBasic settings have been added for Cable Data, a Structure Type, a Cable Position, a "
                 "Cable Code Name, and a valid combination of these on the structure. \n\r\n\rNote that you can "
                 "change, rename, or add to these at any time by using the buttons provided on the relevant Settings "
                 "tabs.");
}

}  // namespace

void add_setup_list_buttons(Form& setup, UserPort& port, const NumberFormat& numbers,
                            std::function<void()> show_code_name) {
    for (const NameListButtons& b : Name_Lists) {
        setup.control(b.add_button).on_click = [&setup, &port, &b] { add_name(setup, port, b); };
        setup.control(b.rename_button).on_click = [&setup, &port, &b] { rename(setup, port, b); };
    }
    setup.control("Add_Combination_BitBtn").on_click = [&setup, &port] {
        SetupLists lists(setup, port);
        if (lists.add_combination(setup.item_index(setup_list::Structure_Types),
                                  setup.item_index(setup_list::Cable_Positions),
                                  setup.item_index(setup_list::Code_Name_Names)))
            update_counts(setup, lists);
    };
    const char* sorts[] = {"Sort_by_Structure_BitBtn", "Sort_by_Position_BitBtn", "Sort_by_Code_Name_BitBtn"};
    for (int column = 0; column < 3; ++column)
        setup.control(sorts[column]).on_click = [&setup, &port, column] {
            SetupLists(setup, port).sort_combinations(column);
        };
    setup.control("Add_Basic_Settings_BitBtn").on_click = [&setup, &port, &numbers, show_code_name] {
        add_basic_settings(setup, port, numbers, show_code_name);
    };
}

}  // namespace vortan
