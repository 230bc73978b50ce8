#include "mainwindow/main_form_layout.h"

#include "form/form_builder.h"
#include "mainwindow/method_page_fields.h"

namespace vortan {

namespace {

constexpr const char* Length_Units = "UNITS_LENGTH_Label";
constexpr const char* Temperature_Units = "UNITS_Temperature_Label";

struct MethodPage {
    const char* name;
    const char* caption;
    const char* prefix;  // of the page's structure and span fields
};

constexpr MethodPage Method_Pages[] = {
    {"Sightboard_TabSheet", "Sightboard", "SBM"},
    {"Tangent_2_Span_TabSheet", "Tangent 2 Span", "Tan_2S"},
    {"Tangent_1_Span_TabSheet", "Tangent 1 Span", "Tan_1S"},
    {"Series_Dynamometer_TabSheet", "Series Dynmtr", "Series_Dyn"},
    {"Level_Sighting_TabSheet", "Level Sighting", "LSM"},
    {"Offset_2_Span_TabSheet", "Offset 2 Span", "Off_2S"},
    {"Height_Stick_TabSheet", "Height Stick", "HSM"},
    {"Travelling_Wave_TabSheet", "Travelling Wave", "WAVE"},
    {"Pendulum_Swing_TabSheet", "Pendulum/Swing", "Swing"},
    {"Shunt_Dynamometer_TabSheet", "Shunt Dynmtr", "Shunt_Dyn"},
    {"Clino_1_Span_TabSheet", "Clino 1 Span", "Clino_1_Tan"},
    {"Clino_2_Span_TabSheet", "Clino 2 Span", "Clino_2_Tan"},
};

void add_sag_span_page(FormBuilder& b) {
    const std::string page = "Sag_Span_Details_TabSheet";
    b.container(ControlKind::Page, "Transmission_Line_PageControl", page, "Sag-Span Details");
    b.edit(page, "From_Tower_Edit", "Near / Left Structure :", "Name of the near or left structure");
    b.edit(page, "To_Tower_Edit", "Far / Right Structure :", "Name of the far or right structure");
    b.edit(page, "Span_Length_Edit", "Span Length :", "Span length from the sagging schedule",
           b.unit(Length_Units));
    b.combo_box(page, "Inspector_Surname_ComboBox", "Inspector :");
    b.read_only(page, "Inspector_Given_Name_Edit", "", "Given name of the inspector");
    const std::string navigation = "Span_Navigation_Panel";
    b.container(ControlKind::Panel, page, navigation, "");
    b.button(navigation, "First_Tower_BitBtn", "First", "First sag-span");
    b.button(navigation, "Previous_Tower_BitBtn", "Previous", "Previous sag-span");
    b.button(navigation, "Next_Tower_BitBtn", "Next", "Next sag-span");
    b.button(navigation, "Last_Tower_BitBtn", "Last", "Last sag-span");
    b.button(navigation, "Jump_to_Span_BitBtn", "Jump to Span", "Navigate to another span");
    b.button(navigation, "Delete_Curr_Span_Details_BitBtn", "Delete Span", "Delete all cable sags in this sag-span");
    b.button(navigation, "Span_Context_Help_BitBtn", "Help", "Help on sag-spans");
    b.label(page, "Span_Count_Label", "No Spans have been entered !");
}

void add_menus(FormBuilder& b) {
    b.container(ControlKind::MenuItem, "", "File_Menu", "&File");
    b.container(ControlKind::MenuItem, "File_Menu", "New_Option", "New").shortcut = "Ctrl+N";
    b.container(ControlKind::MenuItem, "File_Menu", "Open_Option", "&Open").shortcut = "Ctrl+O";
    b.container(ControlKind::MenuItem, "File_Menu", "Save_Option", "&Save").shortcut = "Ctrl+S";
    b.container(ControlKind::MenuItem, "File_Menu", "Save_As_Option", "Save &As ...").shortcut = "Ctrl+Shift+S";
    b.container(ControlKind::MenuItem, "File_Menu", "Load_Settings_Option", "&Load Settings from Another Project");
    b.container(ControlKind::MenuItem, "File_Menu", "Delete_Projects_Option", "&Delete Project(s)");
    b.container(ControlKind::MenuItem, "File_Menu", "Reset_Option", "Rese&t");
    b.container(ControlKind::MenuItem, "File_Menu", "Restore_Factory_Defaults_Option", "Restore &Factory Defaults");
    b.container(ControlKind::MenuItem, "File_Menu", "Exit_Option", "E&xit").shortcut = "Ctrl+Q";
    b.container(ControlKind::MenuItem, "File_Menu", "Last_Used_File_Separator", "-").visible = false;
    for (int n = 1; n <= 5; ++n) {
        // Captioned with a project's path, which may hold an "&".
        Control& entry = b.container(ControlKind::MenuItem, "File_Menu", "Last_Used_File_" + std::to_string(n), "");
        entry.visible = false;
        entry.plain_caption = true;
    }
    b.container(ControlKind::MenuItem, "", "Calculation_Menu", "&Calculation");
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Calculate_Option", "&Calculate").shortcut = "F5";
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Preserve_Option", "&Preserve").shortcut =
        "Ctrl+Return; Ctrl+Enter";
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Switch_Sag_Mode_Option",
                "Sag Cable / Check Cable Sa&g").shortcut = "Ctrl+M";
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Report_Option", "&Report").shortcut = "Ctrl+R";
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Check_Record_Option", "Chec&k Record ...").shortcut =
        "Ctrl+Shift+R";
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Stringing_Charts_Option", "Stringing C&harts ...");
    b.container(ControlKind::MenuItem, "Calculation_Menu", "Fill_Schedule_From_Chart_Option",
                "&Fill Schedule from Chart").shortcut = "F8";
    b.container(ControlKind::MenuItem, "", "Options_Menu", "&Options");
    b.container(ControlKind::MenuItem, "Options_Menu", "Setup_Option", "S&etup").shortcut = "Ctrl+E";
    b.container(ControlKind::MenuItem, "Options_Menu", "Always_on_Top_Option", "Always &on Top");
    Control& aids = b.container(ControlKind::MenuItem, "Options_Menu", "Show_Sag_Aids_Option",
                                "Span &Diagram and Checks");
    aids.shortcut = "F6";
    aids.checked = true;
    b.container(ControlKind::MenuItem, "", "View_Menu", "&View");
    Control& overview = b.container(ControlKind::MenuItem, "View_Menu", "Line_Overview_Option", "&Line Overview");
    overview.shortcut = "F7";
    overview.checked = true;
    b.container(ControlKind::MenuItem, "", "Help_Menu", "&Help");
    b.container(ControlKind::MenuItem, "Help_Menu", "Help_Option", "&Help");
    b.container(ControlKind::MenuItem, "Help_Menu", "About_Option", "&About");
}

void add_top_buttons(FormBuilder& b) {
    b.container(ControlKind::Panel, "", "Top_Buttons_GroupBox", "").buttons_per_row = 3;
    b.button("Top_Buttons_GroupBox", "Open_BitBtn", "Open", "Open a project");
    b.button("Top_Buttons_GroupBox", "Save_BitBtn", "Save", "Save the project");
    b.button("Top_Buttons_GroupBox", "Reset_BitBtn", "Reset", "Reset some or all data");
    b.button("Top_Buttons_GroupBox", "Settings_BitBtn", "Setup", "Setup cable and other data");
    b.button("Top_Buttons_GroupBox", "Report_BitBtn", "Report", "Generate a summary report");
    b.button("Top_Buttons_GroupBox", "Exit_BitBtn", "Exit", "Exit the program");
}

void add_project_details(FormBuilder& b) {
    const std::string group = "Project_Details_GroupBox";
    b.container(ControlKind::GroupBox, "", group, " Project Details : ").beside_previous = true;
    b.edit(group, "Contract_Edit", "Contract :", "Contract number");
    Control& contractor = b.edit(group, "Contractor_Edit", "Contractor :", "Contractor's company name");
    contractor.beside_previous = true;
    contractor.characters = 14;
    b.edit(group, "Transmission_Line_Edit", "Description :", "Name of the power line or project").characters = 14;
    b.read_only(group, "Theodolite_Type_Edit", "Vertical Circle :", "Vertical circle of the theodolite")
        .beside_previous = true;
}

// The record lists and the selection the fields on screen belong to.
void add_record_state(FormBuilder& b) {
    b.hidden(ControlKind::Button, "Commit_Span_Changes_BitBtn").caption = "Commit";
    b.hidden(ControlKind::Edit, "Load_Save_File_Edit");
    b.hidden(ControlKind::CheckBox, "Load_Settings_From_Another_Project_CheckBox");
    b.hidden(ControlKind::Edit, "Load_Save_Directory_Edit");
    b.hidden(ControlKind::ListBox, "Pole_Data_Listbox");
    b.hidden(ControlKind::ListBox, "Cable_Bundle_Record_Listbox");
    b.hidden(ControlKind::ListBox, "Stringing_Data_Listbox");
    for (const char* index : {"Cable_Type_ComboBox_Index_SpinEdit", "Cable_Position_ComboBox_Index_SpinEdit",
                              "Cable_Code_Name_ComboBox_Index_SpinEdit"})
        b.hidden(ControlKind::SpinEdit, index);
}

void add_schedule_group(FormBuilder& b, const std::string& page) {
    const std::string group = "Check_or_Sag_GroupBox";
    b.container(ControlKind::GroupBox, page, group, " Sagging Schedule Details : ");
    b.edit(group, "Temperature_Compensation_Edit", "Creep Allowance :", "Creep strain allowance",
           b.unit(Temperature_Units));
    b.edit(group, "Hours_Since_Cable_Runout_Edit", "Hours of Presag :",
           "Elapsed time since the cable was sagged to the pre-sag tension", "Hours_Units_Label");
    b.label(group, "Sag_Label", "Sag").heads_field = 1;  // over the sags, the second value of each row
    b.edit(group, "Upper_Temperature_Degrees_Edit", "Upper :",
           "Nearest schedule temperature above the required (compensated) temperature",
           b.unit(Temperature_Units));
    b.edit(group, "Upper_Sag_Edit", "", "Schedule sag for the upper temp", b.unit(Length_Units));
    b.edit(group, "Lower_Temperature_Degrees_Edit", "Lower :",
           "Nearest schedule temperature below the required (compensated) temperature",
           b.unit(Temperature_Units));
    b.edit(group, "Lower_Sag_Edit", "", "Schedule sag for the lower temperature", b.unit(Length_Units));
    b.read_only(group, "Compensated_Temperature_Degrees_Edit", "Required :",
                "Creep compensated temperature", b.unit(Temperature_Units));
    b.read_only(group, "Compensated_Sag_Edit", "", "Required sag", b.unit(Length_Units));
}

// The structures and span length that every method page shows, read-only.
void add_span_copy(FormBuilder& b, const std::string& page, const std::string& prefix) {
    b.read_only(page, prefix + "_Near_Structure_Edit", "Near Structure :", "Near or left structure");
    b.read_only(page, prefix + "_Far_Structure_Edit", "Far Structure :", "Far or right structure");
    b.read_only(page, prefix + "_Actual_Span_Edit", "Span Length :", "Span length", b.unit(Length_Units));
}

// The fields of a timing method page: a count, the required and actual times
// (seconds) and the required and actual sags.
struct TimingPage {
    const char* page;
    const char* prefix;
    const char* count_field;
    const char* count_caption;
    const char* count_hint;
    const char* required_time_hint;
    const char* actual_time_hint;
    const char* required_sag_field;
};

constexpr TimingPage Timing_Pages[] = {
    {"Travelling_Wave_TabSheet", "WAVE_", "WAVE_Number_of_Return_Waves_Edit", "Number of Return Waves :",
     "Number of return waves", "Required time for specified number of return waves",
     "Actual time for specified number of return waves", "WAVE_Reqd_Sag_Edit"},
    {"Pendulum_Swing_TabSheet", "Swing_", "Swing_Number_of_Swings_Edit", "Number of Swings :",
     "Number of return swings", "Required time for specified number of return swings",
     "Actual time for the specified number of return swings", "Swing_Required_Sag_Edit"},
};

void add_timing_fields(FormBuilder& b, Form& form, const TimingPage& t) {
    const std::string prefix = t.prefix;
    b.edit(t.page, t.count_field, t.count_caption, t.count_hint);
    b.read_only(t.page, prefix + "Required_Time_Edit", "Required Time :", t.required_time_hint,
                prefix + "Required_Time_Units_Label");
    b.edit(t.page, prefix + "Actual_Time_Edit", "Actual Time :", t.actual_time_hint,
           prefix + "Actual_Time_Units_Label");
    b.read_only(t.page, t.required_sag_field, "Required Sag :", "Required sag", b.unit(Length_Units));
    b.read_only(t.page, prefix + "Actual_Sag_Edit", "Actual Sag :", "Actual sag", b.unit(Length_Units));
    add_actual_sag_band(b, t.page, prefix + "Actual_Sag_Edit");
    form.control(prefix + "Required_Time_Units_Label").caption = "secs";
    form.control(prefix + "Actual_Time_Units_Label").caption = "secs";
}

void add_method_pages(FormBuilder& b, Form& form, const std::string& page) {
    Control& methods = b.container(ControlKind::PageControl, page, "Calc_Method_PageControl", "");
    methods.beside_previous = true;
    methods.pages_chosen_by_name = true;  // a dozen methods: every name in sight
    for (const MethodPage& method : Method_Pages) {
        b.container(ControlKind::Page, "Calc_Method_PageControl", method.name, method.caption);
        add_span_copy(b, method.name, method.prefix);
    }
    for (const TimingPage& timing : Timing_Pages) add_timing_fields(b, form, timing);
    add_method_page_fields(b, form);
    form.control("Calc_Method_PageControl").active_page = 0;
}

void add_cable_sag_page(FormBuilder& b, Form& form) {
    const std::string page = "Cable_Sag_Details_TabSheet";
    b.container(ControlKind::Page, "Transmission_Line_PageControl", page, "Cable Sag Details");
    b.combo_box(page, "Cable_Type_ComboBox", "Struct Type :");
    b.combo_box(page, "Cable_Position_ComboBox", "Cable Posn :");
    b.combo_box(page, "Cable_Code_Name_ComboBox", "Cable Name :");
    b.radio_group(page, "Sag_New_or_Existing_RadioGroup", "", {"Sag Cable", "Check Cable Sag"}, 0);
    b.edit(page, "Sag_Date_Edit", "Sag Date :", "Date of sagging or checking");
    b.edit(page, "Actual_Cable_Temperature_Edit", "Actual Temp :",
           "Actual cable temperature as measured using a thermometer", b.unit(Temperature_Units));
    add_schedule_group(b, page);
    add_method_pages(b, form, page);
    const std::string buttons = "Cable_Sag_Buttons_Panel";
    b.container(ControlKind::Panel, page, buttons, "");
    b.button(buttons, "Calculate_Sag_BitBtn", "Calc", "Calculate for the currently selected method");
    b.button(buttons, "Commit_Cable_Bundle_Changes_BitBtn", "Preserve", "Save the changes for the current cable position");
    b.button(buttons, "Delete_Curr_Cable_Details_BitBtn", "Delete", "Delete the changes for the current cable position");
    b.button(buttons, "Help_Context_Sensitive_BitBtn", "Help", "Help on the selected sag method");
}

// Beside the method pages, in a side dock of its own so the fields keep their
// places: the span to scale, notes on the result's accuracy and, when
// checking a cable, its sag against the schedule.
void add_line_overview(FormBuilder& b) {
    // Every sag-span and cable sag of the line; the Qt layer fills the dock.
    b.container(ControlKind::Panel, "", "Line_Overview_Panel", "Line Overview").docked = true;
}

void add_sag_aids(FormBuilder& b) {
    const std::string panel = "Sag_Aids_Panel";
    b.container(ControlKind::Panel, "", panel, "Span Diagram and Checks").docked = true;
    b.container(ControlKind::Drawing, panel, "Span_Diagram_Drawing", "").hint =
        "The sag-span to scale, as the last calculation found it";
    b.label(panel, "Accuracy_Notes_Label", "");
    const std::string group = "Sag_Tolerance_GroupBox";
    b.container(ControlKind::GroupBox, panel, group, " Sag Tolerance Check : ");
    b.read_only(group, "Tolerance_Required_Sag_Edit", "Required Sag :",
                "Sag the schedule asks for at the compensated temperature", b.unit(Length_Units));
    b.read_only(group, "Tolerance_Actual_Sag_Edit", "Actual Sag :", "Actual sag found by the check",
                b.unit(Length_Units));
    b.read_only(group, "Tolerance_Difference_Edit", "Difference :", "Actual sag less required sag",
                b.unit(Length_Units));
    b.read_only(group, "Tolerance_Difference_Percent_Edit", "Difference % :",
                "Difference as a percentage of the required sag");
    b.read_only(group, "Tolerance_Uncertainty_Edit", "Uncertainty \xC2\xB1 :",
                "95 % half-width of the actual sag, from the instrument precision set under Setup, Theodolite "
                "Settings",
                b.unit(Length_Units));
    b.read_only(group, "Tolerance_Result_Edit", "Result :",
                "PASS: the band of the difference (both sags' bands combined) lies inside the tolerance set under "
                "Setup, Program Settings; FAIL: it lies outside; INCONCLUSIVE: it straddles a limit, so observe "
                "again or use a more precise method")
        .characters = 30;
}

void add_hidden_state(FormBuilder& b) {
    for (const std::string& flag : main_window_flags()) b.hidden(ControlKind::CheckBox, flag);
    for (const char* edit : {"Required_Sag_Edit", "Actual_Sag_Edit", "Conversion_Temp_Edit"})
        b.hidden(ControlKind::Edit, edit);
    add_one_span_offset_group(b);
    b.hidden(ControlKind::SpinEdit, "Pole_Number_SpinEdit").value = 1;
    b.hidden(ControlKind::Button, "Calc_Required_Temp_BitBtn").caption = "Calc Required Temp";
    b.hidden(ControlKind::CheckBox, "Is_App_Maximised_CheckBox");
    // Set while a stored cable sag is worked out again for its display.
    b.hidden(ControlKind::CheckBox, "Showing_Stored_Cable_Sag_CheckBox");
    // The design geometry the window scales from, filled at the first display.
    b.hidden(ControlKind::ListBox, "Scaling_ListBox");
    // Kept for the start-up window, which reads it when it is first shown.
    b.hidden(ControlKind::CheckBox, "Splash_Screen_Dont_Show_This_Again_CheckBox");
    // The data lines of the last report.
    b.hidden(ControlKind::ListBox, "Report_Data_ListBox");
}

}  // namespace

const std::vector<std::string>& method_page_captions() {
    static const std::vector<std::string> captions = [] {
        std::vector<std::string> list;
        for (const MethodPage& method : Method_Pages) list.push_back(method.caption);
        return list;
    }();
    return captions;
}

const std::vector<std::string>& main_window_flags() {
    static const std::vector<std::string> flags = {
        "Calcualte_Without_Messages_CheckBox",  "Data_Calc_Successful_CheckBox",
        "Cable_Data_Changed_CheckBox",          "Data_Changed_Since_Load_CheckBox",
        "Span_Data_Changed_CheckBox",           "User_Saved_Data_When_Prompted_CheckBox",
        "User_Declined_Preserve_CheckBox",      "Reset_Data_With_No_Warning_to_User_CheckBox",
    };
    return flags;
}

void build_main_form(Form& form) {
    FormBuilder b(form);
    add_menus(b);
    add_top_buttons(b);
    add_project_details(b);
    b.container(ControlKind::PageControl, "", "Transmission_Line_PageControl", "");
    add_sag_span_page(b);
    add_cable_sag_page(b, form);
    form.control("Transmission_Line_PageControl").active_page = 0;
    form.control("Hours_Units_Label").caption = "Hrs";
    add_sag_aids(b);
    add_line_overview(b);
    add_hidden_state(b);
    add_record_state(b);
    // Shows the hint of the control under the mouse.
    form.add(ControlKind::StatusBar, "Status_Bar_Panel");
}

}  // namespace vortan
