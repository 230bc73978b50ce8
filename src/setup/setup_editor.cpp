#include "setup/setup_editor.h"

namespace vortan {

SetupEditor::SetupEditor() {
    Control& units = form_.add(ControlKind::RadioGroup, "Units_of_Measure_RadioGroup");
    units.caption = " Units of Measure : ";
    units.items = {
        "Metric : Meters (m), Centimeters (Cm), Netwons (N), Degrees Celsius (\xC2\xB0" "C), Kilograms (Kg).",
        "Imperial : Feet (ft), Inches (in), Pounds-force (lbf), Degrees Farenheit (\xC2\xB0" "F), Pounds (lb).",
    };
    units.item_index = 0;
    form_.add(ControlKind::ListBox, "Code_Name_ListBox");
    form_.add(ControlKind::CheckBox, "Settings_Data_Changed_CheckBox").on_screen = false;
}

}  // namespace vortan
