#include "mainwindow/sag_mode.h"

#include <string>
#include <vector>

namespace vortan {

namespace {

struct ModeFields {
    std::vector<std::string> sagging;   // shown in "Sag Cable"
    std::vector<std::string> checking;  // shown in "Check Cable Sag"
};

const std::vector<ModeFields>& mode_fields() {
    static const std::vector<ModeFields> table = {
        {{"SBM_Required_Sag_Height_Near_Edit", "SBM_Required_Sag_Edit", "SBM_Required_Percent_Edit"},
         {"SBM_Actual_Sag_Height_Near_Edit", "SBM_Actual_Sag_Edit", "SBM_Actual_Sag_Band_Edit", "SBM_Actual_Percent_Edit"}},
        {{"Off_2S_Vert_Angle_Mid_Req_Edit", "Off_2S_Reqd_Sag_Edit"},
         {"Off_2S_Vert_Angle_Mid_Act_Edit", "Off_2S_Actual_Sag_Edit", "Off_2S_Actual_Sag_Band_Edit"}},
        {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "Tan_1S_Required_Sag_Edit", "Tan_1S_Reqd_Percent_Edit"},
         {"Tan_1S_Act_Vertical_Angle_Mid_Edit", "Tan_1S_Actual_Sag_Edit", "Tan_1S_Actual_Sag_Band_Edit", "Tan_1S_Actual_Percent_Edit"}},
        {{"Tan_2S_Req_Vertical_Angle_Mid_Edit", "Tan_2S_Required_Sag_Edit", "Tan_2S_Reqd_Percent_Edit"},
         {"Tan_2S_Act_Vertical_Angle_Mid_Edit", "Tan_2S_Actual_Sag_Edit", "Tan_2S_Actual_Sag_Band_Edit", "Tan_2S_Actual_Percent_Edit"}},
        {{"Series_Dyn_Required_Tension_Edit", "Series_Dyn_Required_Sag_Edit"},
         {"Series_Dyn_Actual_Tension_Edit", "Series_Dyn_Actual_Sag_Edit", "Series_Dyn_Actual_Sag_Band_Edit"}},
        {{"Shunt_Dyn_Required_Force_Edit", "Shunt_Dyn_Required_Tension_Edit", "Shunt_Dyn_Required_Sag_Edit"},
         {"Shunt_Dyn_Actual_Force_Edit", "Shunt_Dyn_Actual_Tension_Edit", "Shunt_Dyn_Actual_Sag_Edit", "Shunt_Dyn_Actual_Sag_Band_Edit"}},
        {{"WAVE_Required_Time_Edit", "WAVE_Reqd_Sag_Edit"}, {"WAVE_Actual_Time_Edit", "WAVE_Actual_Sag_Edit", "WAVE_Actual_Sag_Band_Edit"}},
        {{"Swing_Required_Time_Edit", "Swing_Required_Sag_Edit"},
         {"Swing_Actual_Time_Edit", "Swing_Actual_Sag_Edit", "Swing_Actual_Sag_Band_Edit"}},
        {{"LSM_Required_Telescope_Height_Edit", "LSM_Required_Sag_Edit", "LSM_Required_Percent_Edit"},
         {"LSM_Actual_Telescope_Height_Edit", "LSM_Actual_Sag_Edit", "LSM_Actual_Sag_Band_Edit", "LSM_Actual_Percent_Edit"}},
        {{"HSM_Required_Sag_Edit", "HSM_Required_Stick_Height_Edit"},
         {"HSM_Actual_Sag_Edit", "HSM_Actual_Sag_Band_Edit", "HSM_Actual_Stick_Height_Edit"}},
        // The clinometer methods only check a cable: their pages stay covered while sagging.
        {{"Clino_1_Tan_Panel", "Clino_2_Tan_Panel"}, {}},
    };
    return table;
}

void enable_with_children(Form& form, const std::string& name, bool enabled) {
    form.set_enabled(name, enabled);
    for (const Control* child : form.children(name)) form.set_enabled(child->name, enabled);
}

}  // namespace

void apply_sag_mode(Form& form) {
    bool sagging = form.item_index("Sag_New_or_Existing_RadioGroup") == 0;
    // Open in both modes: a checked cable's sag is compared with the schedule
    // (the sag tolerance check), which must be typed for it.
    enable_with_children(form, "Check_or_Sag_GroupBox", true);
    for (const ModeFields& page : mode_fields()) {
        for (const std::string& name : page.sagging) form.set_visible(name, sagging);
        for (const std::string& name : page.checking) form.set_visible(name, !sagging);
    }
}

}  // namespace vortan
