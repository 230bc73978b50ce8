#include "setup/setup_editor_layout.h"

#include "form/form_builder.h"
#include "project/setup_lists.h"
#include "setup/circle_graduation.h"
#include "setup/precision_fields.h"
#include "setup/vertical_circle.h"

namespace vortan {

namespace {

constexpr const char* Pages = "Settings_PageControl";

std::string add_page(FormBuilder& b, const std::string& name, const std::string& caption) {
    b.container(ControlKind::Page, Pages, name, caption);
    return name;
}

void add_navigation(FormBuilder& b, const std::string& page, const std::string& kind, const std::string& hint) {
    const std::string panel = kind + "_Navigation_Panel";
    b.container(ControlKind::Panel, page, panel, "");
    b.button(panel, "Previous_" + kind + "_BitBtn", "Previous", "Previous " + hint);
    b.button(panel, "Next_" + kind + "_BitBtn", "Next", "Next " + hint + ", or a new one after the last");
}

void add_inspector_page(FormBuilder& b) {
    const std::string page = add_page(b, "Inspector_Details_TabSheet", "Inspector Details");
    b.edit(page, "Inspector_Surname_Edit", "Surname : ***", "Surname of the inspector (mandatory)").characters = 24;
    b.edit(page, "Inspector_Given_Name_Edit", "Given Name :", "Given name of the inspector").characters = 24;
    b.edit(page, "Inspector_Employer_Edit", "Employer :", "Company the inspector works for").characters = 32;
    b.edit(page, "Inspector_Work_Phone_Edit", "Work Phone :", "Work telephone number").characters = 20;
    b.edit(page, "Inspector_Mobile_Edit", "Mobile Phone :", "Mobile telephone number").characters = 20;
    b.edit(page, "Inspector_Satelite_Phone_Edit", "Satellite Phone :", "Satellite telephone number").characters = 20;
    b.edit(page, "Inspector_Email_Edit", "E-mail :", "E-mail address").characters = 32;
    add_navigation(b, page, "Inspector", "inspector");
    b.label(page, "Inspector_Data_Count_Label", "No Inspectors Entered Yet.");
}

void add_cable_page(FormBuilder& b) {
    const std::string page = add_page(b, "Cable_Details_TabSheet", "Cable Details");
    b.edit(page, "Code_Name_Name_Edit", "Code Name : ***", "Cable code name (mandatory, unique)").characters = 20;
    b.edit(page, "Cable_Construction_Type_Edit", "Construction Type :", "e.g. ACSR/GZ").characters = 20;
    b.edit(page, "Cable_Stranding_Edit", "Stranding :", "e.g. 30/7/2.5").characters = 20;
    b.edit(page, "Cable_Mass_Edit", "Cable Mass : ***", "Distributed mass of the cable (mandatory)",
           "UNITS_Mass_Label1");
    b.edit(page, "Cable_Diameter_Edit", "Cable Diameter :", "Overall diameter of the cable", "UNITS_SMALL_LENGTH_Label1");
    add_navigation(b, page, "Code_Name", "cable code name");
    b.label(page, "Cable_Data_Count_Label", "No Cables Entered Yet.");
    b.label(page, "Mandatory_Fields_Label", "*** marks mandatory fields.");
}

void add_name_list(FormBuilder& b, const std::string& parent, const std::string& group, const std::string& caption,
                   const char* list, const std::string& kind, const char* count_label) {
    b.container(ControlKind::GroupBox, parent, group, caption);
    b.container(ControlKind::ListBox, group, list, "");
    const std::string buttons = kind + "_Buttons_Panel";
    b.container(ControlKind::Panel, group, buttons, "");
    b.button(buttons, "Add_" + kind + "_BitBtn", "Add", "Add a new entry at the end of the list");
    b.button(buttons, "Rename_" + kind + "_BitBtn", "Rename", "Give the selected entry a new name");
    b.label(group, count_label, "");
}

void add_structure_page(FormBuilder& b) {
    const std::string page = add_page(b, "Structure_Details_TabSheet", "Structure Details");
    add_name_list(b, page, "Structure_Types_GroupBox", " Structure Types : ", setup_list::Structure_Types,
                  "Structure_Type", "Structure_Type_Count_Label");
    add_name_list(b, page, "Cable_Positions_GroupBox", " Cable Positions : ", setup_list::Cable_Positions,
                  "Cable_Position", "Cable_Positions_Count_Label");
    b.container(ControlKind::GroupBox, page, "Code_Names_GroupBox", " Cable Code Names : ").beside_previous = true;
    b.container(ControlKind::ListBox, "Code_Names_GroupBox", setup_list::Code_Name_Names, "");
    b.label("Code_Names_GroupBox", "Cable_Code_Names_Count_Label", "");
    const std::string group = "Valid_Combinations_GroupBox";
    b.container(ControlKind::GroupBox, page, group, " Valid Combinations : ").beside_previous = true;
    const std::string sorts = "Sort_Buttons_Panel";
    b.container(ControlKind::Panel, group, sorts, "");
    b.button(sorts, "Sort_by_Structure_BitBtn", "Sort by Structure", "Sort the combinations by structure type");
    b.button(sorts, "Sort_by_Position_BitBtn", "Sort by Position", "Sort the combinations by cable position");
    b.button(sorts, "Sort_by_Code_Name_BitBtn", "Sort by Code Name", "Sort the combinations by code name");
    b.container(ControlKind::StringGrid, group, setup_list::Combination_Grid, "").items.resize(Most_Combinations);
    const std::string add = "Add_Combination_Panel";
    b.container(ControlKind::Panel, group, add, "");
    b.button(add, "Add_Combination_BitBtn", "Add Combination",
             "Allow the selected code name at the selected position on the selected structure type");
    b.label(group, "Valid_Combinations_Count_Label", "");
}

void add_theodolite_page(FormBuilder& b) {
    const std::string page = add_page(b, "Theodolite_Settings_TabSheet", "Theodolite Settings");
    // One frame holds the three circles, so that choosing one clears the
    // others; each circle's graduation is drawn under its button.
    const std::string group = "Vertical_Circle_GroupBox";
    b.container(ControlKind::GroupBox, page, group, " Vertical Circle : ");
    const VerticalCircle circles[] = {VerticalCircle::Zenith, VerticalCircle::Altitude, VerticalCircle::Nadir};
    const char* captions[] = {"Zenith", "Altitude", "Nadir"};
    for (int i = 0; i < 3; ++i) {
        b.container(ControlKind::RadioButton, group, Circle_Buttons[i], captions[i]).beside_previous = i > 0;
        b.container(ControlKind::Drawing, group, std::string(captions[i]) + "_Graduation_Drawing", "").items =
            circle_graduation_shapes(circles[i]);
    }
    b.form().control("Zenith_RadioButton").checked = true;
    b.label(page, "Theodolite_Note_Label",
            "Only one vertical circle should be used for a project.  When you change vertical circles, all data in "
            "the project will be calculated according to this setting.");
    add_precision_group(b, page);
}

void add_project_page(FormBuilder& b) {
    const std::string page = add_page(b, "Project_Details_TabSheet", "Project Details");
    b.edit(page, "Contract_Edit", "Contract :", "Contract number").characters = 20;
    b.edit(page, "Transmission_Line_Edit", "Description :", "Name of the power line or project").characters = 40;
    b.edit(page, "Contractor_Edit", "Contractor :", "Contractor's company name").characters = 32;
}

void add_program_page(FormBuilder& b) {
    const std::string page = add_page(b, "Program_Settings_TabSheet", "Program Settings");
    b.radio_group(page, "Sort_Report_Data_RadioGroup", " Order of data shown on the Report : ",
                  {"Report is in the order in which spans were entered by the user.",
                   "Report is sorted by the \"Near Structure\"."},
                  0);
    b.container(ControlKind::CheckBox, page, "Reset_All_Input_Fields_CheckBox",
                "Reset ALL Input Fields when moving to a new Span / Cable.")
        .checked = true;
    b.container(ControlKind::CheckBox, page, "Offset_Listing_Only_After_Calc_CheckBox",
                "Offset listing only after Calc");
    b.radio_group(page, "Tab_Style_RadioGroup", " Tab Style : ", {"Standard Tabs", "Flat Tabs", "Button Tabs"}, 0);
    b.radio_group(page, "Units_of_Measure_RadioGroup", " Units of Measure : ",
                  {"Metric : Meters (m), Centimeters (Cm), Netwons (N), Degrees Celsius (\xC2\xB0"
                   "C), Kilograms (Kg).",
                   "Imperial : Feet (ft), Inches (in), Pounds-force (lbf), Degrees Farenheit (\xC2\xB0"
                   "F), Pounds (lb)."},
                  0);
    b.edit(page, "Sag_Tolerance_Percent_Edit", "Sag Tolerance :",
           "Largest difference of an actual sag from the required one that passes a check, in percent",
           "Sag_Tolerance_Units_Label")
        .text = "1.5";
    b.form().control("Sag_Tolerance_Units_Label").caption = "%";
    // Kept for projects that may one day offer it; nothing reads it.
    b.hidden(ControlKind::CheckBox, "Autosave_Cable_Sag_Details_CheckBox").caption =
        "Automatically preserve changed Span / Cable details when moving to a new Cable / Span.";
}

void add_window_buttons(FormBuilder& b) {
    const std::string panel = "Setup_Buttons_Panel";
    b.container(ControlKind::Panel, "", panel, "");
    b.button(panel, "Setup_OK_BitBtn", "OK", "Close the setup window");
    b.button(panel, "Add_Basic_Settings_BitBtn", "Add Basic Settings",
             "Add a cable, a structure type, a cable position and their combination to start a project");
    b.button(panel, "Setup_Help_BitBtn", "Help", "Help on this page");
}

void add_hidden_state(FormBuilder& b) {
    for (const char* list : {setup_list::Inspectors, setup_list::Code_Names, setup_list::Combinations})
        b.hidden(ControlKind::ListBox, list);
    Control& sorted_by = b.hidden(ControlKind::RadioGroup, "Last_Sorted_By_RadioGroup");
    sorted_by.items = {"Cable_Type", "Cable_Pos", "Code_Name"};
    sorted_by.item_index = 0;
    b.hidden(ControlKind::Edit, "Unit_Conversion_Edit");
    for (const char* number : {"Inspector_Number_SpinEdit", "Code_Name_SpinEdit"}) b.hidden(ControlKind::SpinEdit, number).value = 1;
    for (const char* flag : {"Settings_Data_Changed_CheckBox", "Inspector_Changed_CheckBox",
                             "Inspector_Validated_CheckBox", "Code_Name_Changed_CheckBox",
                             "Code_Name_Validated_CheckBox"})
        b.hidden(ControlKind::CheckBox, flag);
}

}  // namespace

void build_setup_form(Form& form) {
    FormBuilder b(form);
    b.container(ControlKind::PageControl, "", Pages, "").active_page = 0;
    add_inspector_page(b);
    add_cable_page(b);
    add_structure_page(b);
    add_theodolite_page(b);
    add_project_page(b);
    add_program_page(b);
    add_window_buttons(b);
    add_hidden_state(b);
}

}  // namespace vortan
