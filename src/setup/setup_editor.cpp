#include "setup/setup_editor.h"

#include "project/setup_lists.h"

namespace vortan {

SetupEditor::SetupEditor() {
    Control& units = form_.add(ControlKind::RadioGroup, "Units_of_Measure_RadioGroup");
    units.caption = " Units of Measure : ";
    units.items = {
        "Metric : Meters (m), Centimeters (Cm), Netwons (N), Degrees Celsius (\xC2\xB0" "C), Kilograms (Kg).",
        "Imperial : Feet (ft), Inches (in), Pounds-force (lbf), Degrees Farenheit (\xC2\xB0" "F), Pounds (lb).",
    };
    units.item_index = 0;

    for (const char* list : {setup_list::Inspectors, setup_list::Code_Names, setup_list::Structure_Types,
                             setup_list::Cable_Positions, setup_list::Code_Name_Names})
        form_.add(ControlKind::ListBox, list);
    Control& combinations = form_.add(ControlKind::ListBox, setup_list::Combinations);
    combinations.on_screen = false;
    combinations.visible = false;
    form_.add(ControlKind::StringGrid, setup_list::Combination_Grid).items.resize(Most_Combinations);
    Control& sorted_by = form_.add(ControlKind::RadioGroup, "Last_Sorted_By_RadioGroup");
    sorted_by.items = {"Cable_Type", "Cable_Pos", "Code_Name"};
    sorted_by.item_index = 0;
    sorted_by.on_screen = false;

    for (const char* label : {"Structure_Type_Count_Label", "Cable_Positions_Count_Label",
                              "Cable_Code_Names_Count_Label", "Valid_Combinations_Count_Label",
                              "Inspector_Data_Count_Label", "Cable_Data_Count_Label"})
        form_.add(ControlKind::Label, label);

    for (const char* edit : {"Inspector_Surname_Edit", "Inspector_Given_Name_Edit", "Inspector_Employer_Edit",
                             "Inspector_Work_Phone_Edit", "Inspector_Mobile_Edit", "Inspector_Satelite_Phone_Edit",
                             "Inspector_Email_Edit", "Code_Name_Name_Edit", "Cable_Mass_Edit", "Cable_Diameter_Edit",
                             "Cable_Construction_Type_Edit", "Cable_Stranding_Edit", "Contract_Edit",
                             "Contractor_Edit", "Transmission_Line_Edit"})
        form_.add(ControlKind::Edit, edit);
    form_.add(ControlKind::Label, "UNITS_Mass_Label1").caption = "kg/km";
    form_.add(ControlKind::Label, "UNITS_SMALL_LENGTH_Label1").caption = "mm";

    // The three vertical circles sit in separate frames: choosing one clears the others.
    const char* circles[] = {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"};
    for (const char* circle : circles) {
        Control& button = form_.add(ControlKind::RadioButton, circle);
        button.caption = std::string(circle).substr(0, std::string(circle).find('_'));
        button.on_change = [this, circle, circles] {
            if (!form_.checked(circle)) return;
            for (const char* other : circles)
                if (std::string(other) != circle) form_.set_checked(other, false);
        };
    }
    form_.control("Zenith_RadioButton").checked = true;

    Control& reset_fields = form_.add(ControlKind::CheckBox, "Reset_All_Input_Fields_CheckBox");
    reset_fields.caption = "Reset ALL Input Fields when moving to a new Span / Cable.";
    reset_fields.checked = true;

    Control& report_order = form_.add(ControlKind::RadioGroup, "Sort_Report_Data_RadioGroup");
    report_order.caption = " Order of data shown on the Report : ";
    report_order.items = {"Report is in the order in which spans were entered by the user.",
                          "Report is sorted by the \"Near Structure\"."};
    report_order.item_index = 0;
    Control& tab_style = form_.add(ControlKind::RadioGroup, "Tab_Style_RadioGroup");
    tab_style.caption = " Tab Style : ";
    tab_style.items = {"Standard Tabs", "Flat Tabs", "Button Tabs"};
    tab_style.item_index = 0;

    Control& scratch = form_.add(ControlKind::Edit, "Unit_Conversion_Edit");
    scratch.on_screen = false;
    scratch.visible = false;
    for (const char* flag : {"Settings_Data_Changed_CheckBox", "Inspector_Changed_CheckBox",
                             "Inspector_Validated_CheckBox", "Code_Name_Changed_CheckBox",
                             "Code_Name_Validated_CheckBox"}) {
        Control& c = form_.add(ControlKind::CheckBox, flag);
        c.on_screen = false;
        c.visible = false;
    }
}

}  // namespace vortan
