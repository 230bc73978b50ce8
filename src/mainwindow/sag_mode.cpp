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
        {{"WAVE_Required_Time_Edit", "WAVE_Reqd_Sag_Edit"}, {"WAVE_Actual_Time_Edit", "WAVE_Actual_Sag_Edit"}},
        {{"Swing_Required_Time_Edit", "Swing_Required_Sag_Edit"},
         {"Swing_Actual_Time_Edit", "Swing_Actual_Sag_Edit"}},
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
    enable_with_children(form, "Check_or_Sag_GroupBox", sagging);
    for (const ModeFields& page : mode_fields()) {
        for (const std::string& name : page.sagging) form.set_visible(name, sagging);
        for (const std::string& name : page.checking) form.set_visible(name, !sagging);
    }
}

}  // namespace vortan
