#include "setup/setup_editor.h"

#include "project/setup_lists.h"
#include "setup/setup_editor_layout.h"
#include "setup/setup_list_buttons.h"
#include "setup/setup_record_fields.h"
#include "setup/vertical_circle.h"
#include "shell/help_launcher.h"
#include "units/unit_labels.h"

namespace vortan {

SetupEditor::SetupEditor() {
    build_setup_form(form_);
    wire_handlers();
}

void SetupEditor::wire_handlers() {
    // Typing into a record's fields marks the record changed.
    for (const char* field : Inspector_Fields)
        form_.control(field).on_change = [this] { form_.set_checked("Inspector_Changed_CheckBox", true); };
    for (const char* field : Code_Name_Fields)
        form_.control(field).on_change = [this] { form_.set_checked("Code_Name_Changed_CheckBox", true); };
    // Choosing one vertical circle clears the other two; the chosen one cannot
    // be cleared, as a radio button cannot be clicked off.
    for (const char* circle : Circle_Buttons) {
        form_.control(circle).on_change = [this, circle] {
            if (!form_.checked(circle)) {
                form_.set_checked(circle, true);
                return;
            }
            for (const char* other : Circle_Buttons)
                if (std::string(other) != circle) form_.set_checked(other, false);
        };
    }
    form_.control("Tab_Style_RadioGroup").on_change = [this] {
        form_.set_value("Settings_PageControl", form_.item_index("Tab_Style_RadioGroup"));
    };
    form_.control("Units_of_Measure_RadioGroup").on_change = [this] { Units_of_Measure_RadioGroupClick(); };
    precisions_.wire();
}

void SetupEditor::connect(UserPort& port, const NumberFormat& numbers) {
    port_ = &port;
    numbers_ = &numbers;
    precisions_.set_numbers(&numbers);
    add_setup_list_buttons(form_, port, numbers, [this] { show_code_name(); });
    struct Click {
        const char* control;
        void (SetupEditor::*handler)();
    };
    const Click clicks[] = {
        {"Previous_Inspector_BitBtn", &SetupEditor::Previous_Inspector_BitBtnClick},
        {"Next_Inspector_BitBtn", &SetupEditor::Next_Inspector_BitBtnClick},
        {"Previous_Code_Name_BitBtn", &SetupEditor::Previous_Code_Name_BitBtnClick},
        {"Next_Code_Name_BitBtn", &SetupEditor::Next_Code_Name_BitBtnClick},
        {"Setup_OK_BitBtn", &SetupEditor::Setup_OK_BitBtnClick},
    };
    for (const Click& click : clicks) {
        auto handler = click.handler;
        form_.control(click.control).on_click = [this, handler] { (this->*handler)(); };
    }
    // Leaving the page is as far as the form tells leaving a field: a
    // precision that cannot be used is refused there.
    form_.control("Settings_PageControl").on_changing = [this] {
        save_changed_data();
        return precisions_.accept_typed(*port_);
    };
    form_.control("Setup_Help_BitBtn").on_click = [this] {
        run_help_command(*port_, help_topic_command(help_topic::First_Setup_Page + form_.active_page("Settings_PageControl"),
                                                         program_folder_));
    };
}

void SetupEditor::show() {
    form_.set_active_page("Settings_PageControl", setup_page::Inspector_Details);
    form_.set_focus("Inspector_Surname_Edit");
    show_inspector();
    show_code_name();
    if (port_) SetupLists(form_, *port_).refresh_combinations();
    form_.set_enabled("Previous_Inspector_BitBtn", form_.value("Inspector_Number_SpinEdit") >= 2);
    form_.set_enabled("Previous_Code_Name_BitBtn", form_.value("Code_Name_SpinEdit") >= 2);
    for (const char* flag : {"Inspector_Changed_CheckBox", "Code_Name_Changed_CheckBox", "Settings_Data_Changed_CheckBox"})
        form_.set_checked(flag, false);
    update_count_labels();
    precisions_.hold();
}

void SetupEditor::update_count_labels() {
    if (port_)
        SetupLists(form_, *port_)
            .update_count_labels(form_.value("Inspector_Number_SpinEdit"), form_.value("Code_Name_SpinEdit"));
}

bool SetupEditor::close_requested() {
    // A changed record that the user wants kept but cannot be stored holds the window open.
    if (form_.checked("Inspector_Changed_CheckBox")) {
        save_changed_data();
        if (!form_.checked("Inspector_Validated_CheckBox")) return false;
    }
    if (form_.checked("Code_Name_Changed_CheckBox")) {
        save_changed_data();
        if (!form_.checked("Code_Name_Validated_CheckBox")) return false;
    }
    save_changed_data();
    if (port_ && !precisions_.accept_typed(*port_)) {
        form_.set_active_page("Settings_PageControl", setup_page::Theodolite_Settings);
        return false;
    }
    return true;
}

void SetupEditor::Setup_OK_BitBtnClick() {
    if (close_requested() && on_close) on_close();
}

void SetupEditor::Units_of_Measure_RadioGroupClick() {
    set_units_labels(form_, imperial());
    precisions_.units_changed();
    // The shown record again, in the new units; uncommitted edits to it are dropped.
    const bool changed = form_.checked("Code_Name_Changed_CheckBox");
    show_code_name();
    form_.set_checked("Code_Name_Changed_CheckBox", changed);
}

}  // namespace vortan
