// Showing the current sag-span and cable sag, and moving between them.
#include "calc/field_readers.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "mainwindow/record_transfer.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/text_compare.h"
#include "shell/item_selection.h"
#include "ui/date_text.h"

#include <algorithm>

namespace vortan {

namespace {

constexpr const char* Navigation_Buttons[] = {"First_Tower_BitBtn", "Previous_Tower_BitBtn", "Next_Tower_BitBtn",
                                              "Last_Tower_BitBtn",  "Jump_to_Span_BitBtn",
                                              "Delete_Curr_Span_Details_BitBtn"};

void collect_edits(const Form& form, const std::string& parent, std::vector<std::string>& edits) {
    for (const Control* child : form.children(parent)) {
        if (child->kind == ControlKind::Edit) edits.push_back(child->name);
        collect_edits(form, child->name, edits);
    }
}

// The fields that hold a sag-span's or a cable sag's data.
std::vector<std::string> project_data_fields(const Form& form) {
    std::vector<std::string> fields = {"From_Tower_Edit", "To_Tower_Edit", "Span_Length_Edit"};
    collect_edits(form, "Calc_Method_PageControl", fields);
    collect_edits(form, "Check_or_Sag_GroupBox", fields);
    for (const char* field : {"Actual_Cable_Temperature_Edit", "Sag_Date_Edit", "Required_Sag_Edit", "Actual_Sag_Edit"})
        fields.push_back(field);
    return fields;
}

}  // namespace

void MainWindow::set_span_number(int n) { form_.set_value("Pole_Number_SpinEdit", std::max(n, 1)); }

void MainWindow::update_span_count_label() {
    int count = span_count();
    form_.set_caption("Span_Count_Label", count == 0 ? "No Spans have been entered !"
                                                     : "Span " + std::to_string(span_number()) + " of " +
                                                           std::to_string(count) + ".");
}

void MainWindow::input_fields_reset() {
    bool span_changed = form_.checked("Span_Data_Changed_CheckBox");
    bool cable_changed = form_.checked("Cable_Data_Changed_CheckBox");
    bool changed_since_load = form_.checked("Data_Changed_Since_Load_CheckBox");
    // The form's controls are fixed once built: their walk is done only once,
    // not at every sag-span shown.
    if (data_fields_.empty()) data_fields_ = project_data_fields(form_);
    for (const std::string& field : data_fields_) form_.set_text(field, "");
    set_defaults();
    form_.set_checked("Span_Data_Changed_CheckBox", span_changed);
    form_.set_checked("Cable_Data_Changed_CheckBox", cable_changed);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", changed_since_load);
}

void MainWindow::display() {
    // Showing what is stored is no change to the project, whatever the
    // handlers of the fields it fills say.
    const bool changed_since_load = form_.checked("Data_Changed_Since_Load_CheckBox");
    show_current_span();
    show_schedule_source();
    form_.set_checked("Data_Changed_Since_Load_CheckBox", changed_since_load);
}

void MainWindow::show_current_span() {
    const int n = span_number(), count = span_count();
    // 1-2: the buttons that can act here, and the count.
    for (const char* button : Navigation_Buttons) form_.set_enabled(button, true);
    auto disable = [this](std::initializer_list<const char*> buttons) {
        for (const char* button : buttons) form_.set_enabled(button, false);
    };
    if (n == 1) disable({"Previous_Tower_BitBtn", "First_Tower_BitBtn"});
    if (count < n) disable({"Last_Tower_BitBtn", "Next_Tower_BitBtn", "Delete_Curr_Span_Details_BitBtn"});
    if (count == 0) disable({"Last_Tower_BitBtn", "Delete_Curr_Span_Details_BitBtn"});
    if (count < 2) disable({"Jump_to_Span_BitBtn", "Last_Tower_BitBtn", "First_Tower_BitBtn"});
    update_span_count_label();
    clear_sag_aids();  // until a stored cable sag is calculated again below
    if (count == 0) return;
    // 3-4: fresh fields; a new sag-span keeps what is typed.
    if (setup_.form().checked("Reset_All_Input_Fields_CheckBox")) {
        input_fields_reset();
        form_.set_text("Span_Length_Edit", "0");
    }
    if (count < n) return;
    // 5-6: the sag-span record, then the cable sag of the selection; measures
    // arrive in the units in force.
    CalcContext c = context();
    form_.set_text("From_Tower_Edit", "");
    form_.set_text("To_Tower_Edit", "");
    load_sag_span_record(c, form_.items("Pole_Data_Listbox")[static_cast<size_t>(n - 1)]);
    fill_current_inspector(form_, setup_.form(), /*choose_first=*/false);
    int found = find_cable_sag_record(form_);
    if (found >= 0) {
        load_cable_sag_record(c, form_.items("Cable_Bundle_Record_Listbox")[static_cast<size_t>(found)]);
        // 8: the derived fields again, without a word.
        form_.set_checked("Calcualte_Without_Messages_CheckBox", true);
        form_.set_checked("Showing_Stored_Cable_Sag_CheckBox", true);
        Calculate_Sag_BitBtnClick();
        form_.set_checked("Showing_Stored_Cable_Sag_CheckBox", false);
        form_.set_checked("Calcualte_Without_Messages_CheckBox", false);
    }
    form_.set_checked("Span_Data_Changed_CheckBox", false);
    form_.set_checked("Cable_Data_Changed_CheckBox", false);
}

void MainWindow::preserve_question() {
    // A success left over from an earlier run must not pass for this one.
    form_.set_checked("Data_Calc_Successful_CheckBox", false);
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", false);
    form_.set_checked("User_Declined_Preserve_CheckBox", false);
    bool span_changed = form_.checked("Span_Data_Changed_CheckBox");
    bool cable_changed = form_.checked("Cable_Data_Changed_CheckBox");
    if (!span_changed && !cable_changed) {
        form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", true);
        return;
    }
    std::string question = span_changed && cable_changed ? "Preserve Sag-Span and Cable / Sag data changes ?"
                           : span_changed                ? "Preserve Sag-Span data changes ?"
                                                         : "Preserve Cable / Sag data changes ?";
    if (port_.message(MessageKind::Confirmation, Buttons::YesNo, question) != Answer::Yes) {
        form_.set_checked("Span_Data_Changed_CheckBox", false);
        form_.set_checked("Cable_Data_Changed_CheckBox", false);
        form_.set_checked("User_Declined_Preserve_CheckBox", true);
        return;
    }
    CalcContext c = context();
    if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return;
    form_.set_checked("Data_Calc_Successful_CheckBox", true);
    Commit_Span_Changes_BitBtnClick();
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", true);
    if (form_.checked("Cable_Data_Changed_CheckBox")) {
        form_.set_checked("Data_Calc_Successful_CheckBox", false);
        Commit_Cable_Bundle_Changes_BitBtnClick();
        if (!form_.checked("Data_Calc_Successful_CheckBox")) {
            select_remembered_cable();
            return;
        }
    }
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", true);
    form_.set_checked("Span_Data_Changed_CheckBox", false);
    form_.set_checked("Cable_Data_Changed_CheckBox", false);
}

void MainWindow::select_remembered_cable() {
    form_.set_item_index("Cable_Type_ComboBox", form_.value("Cable_Type_ComboBox_Index_SpinEdit"));
    fill_cable_positions(form_, setup_.form());
    form_.set_item_index("Cable_Position_ComboBox", form_.value("Cable_Position_ComboBox_Index_SpinEdit"));
    fill_code_names(form_, setup_.form());
    form_.set_item_index("Cable_Code_Name_ComboBox", form_.value("Cable_Code_Name_ComboBox_Index_SpinEdit"));
}

void MainWindow::copy_cable_selection_to_index_fields() {
    form_.set_value("Cable_Type_ComboBox_Index_SpinEdit", form_.item_index("Cable_Type_ComboBox"));
    form_.set_value("Cable_Position_ComboBox_Index_SpinEdit", form_.item_index("Cable_Position_ComboBox"));
    form_.set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", form_.item_index("Cable_Code_Name_ComboBox"));
}

bool MainWindow::may_leave_span() {
    CalcContext c = context();
    if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return false;
    preserve_question();
    return true;
}

bool MainWindow::may_leave_edited_span() {
    if (form_.checked("Span_Data_Changed_CheckBox")) {
        CalcContext c = context();
        if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return false;
    }
    // Cable-sag edits alone are offered for preserving too, not dropped unasked.
    if (form_.checked("Span_Data_Changed_CheckBox") || form_.checked("Cable_Data_Changed_CheckBox"))
        preserve_question();
    return true;
}

void MainWindow::First_Tower_BitBtnClick() {
    if (!may_leave_edited_span()) return;
    set_span_number(1);
    display();
}

void MainWindow::Previous_Tower_BitBtnClick() {
    if (!may_leave_edited_span()) return;
    set_span_number(span_number() - 1);
    display();
}

void MainWindow::Next_Tower_BitBtnClick() {
    if (!may_leave_span()) return;
    if (form_.checked("User_Saved_Data_When_Prompted_CheckBox")) set_span_number(span_number() + 1);
    display();
    if (span_count() < span_number()) {
        // A new span starts at the last far structure; nothing is typed yet.
        const bool changed_since_load = form_.checked("Data_Changed_Since_Load_CheckBox");
        form_.set_text("From_Tower_Edit", form_.text("To_Tower_Edit"));
        form_.set_text("To_Tower_Edit", "");
        form_.set_checked("Span_Data_Changed_CheckBox", false);
        form_.set_checked("Data_Changed_Since_Load_CheckBox", changed_since_load);
    }
}

void MainWindow::Last_Tower_BitBtnClick() {
    if (!may_leave_span()) return;
    if (form_.checked("User_Saved_Data_When_Prompted_CheckBox")) set_span_number(span_count());
    display();
}

void MainWindow::Jump_to_Span_BitBtnClick() {
    if (!may_leave_edited_span()) return;
    if (span_count() == 0) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : There is nothing to navigate to.\n\r\n\rNo structures or spans have been entered yet.");
        return;
    }
    std::vector<std::string> names;
    for (const std::string& record : form_.items("Pole_Data_Listbox")) names.push_back(record_field(record, 2));
    sort_ignoring_case(names);
    int picked = port_.select_item("Select a Near or Left Structure :", names, /*sorted=*/true);
    if (picked < 0 || picked >= static_cast<int>(names.size())) return;
    const std::string chosen = names[static_cast<size_t>(picked)];
    const std::vector<std::string> records = form_.items("Pole_Data_Listbox");
    for (size_t i = 0; i < records.size(); ++i) {
        if (record_field(records[i], 2) != chosen) continue;
        set_span_number(static_cast<int>(i) + 1);
        display();
    }
}

void MainWindow::show_from_overview(int span, int cable_sag) {
    if (span < 1 || span > span_count()) return;
    const bool may_leave = may_leave_edited_span();
    journal_changes();  // an edit preserved on leaving
    if (!may_leave) return;
    set_span_number(span);
    const std::vector<std::string>& cable_sags = form_.items("Cable_Bundle_Record_Listbox");
    if (cable_sag >= 0 && cable_sag < static_cast<int>(cable_sags.size())) {
        const std::string& record = cable_sags[static_cast<size_t>(cable_sag)];
        form_.set_value("Cable_Type_ComboBox_Index_SpinEdit", record_integer(record, 2).value_or(0));
        form_.set_value("Cable_Position_ComboBox_Index_SpinEdit", record_integer(record, 3).value_or(0));
        form_.set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", record_integer(record, 4).value_or(0));
        select_remembered_cable();
        copy_cable_selection_to_index_fields();
    }
    display();
    // A cable sag is looked at on its own page.
    if (cable_sag >= 0 && form_.item_index("Transmission_Line_PageControl") != 1)
        form_.user_select_page("Transmission_Line_PageControl", 1);
}

void MainWindow::Line_Overview_OptionClick() {
    const bool shown = !form_.checked("Line_Overview_Option");
    form_.set_checked("Line_Overview_Option", shown);
    form_.set_visible("Line_Overview_Panel", shown);
}

void MainWindow::cable_selection_changed(const std::string& sender) {
    if (form_.checked("Span_Data_Changed_CheckBox") || form_.checked("Cable_Data_Changed_CheckBox")) {
        // The edits are preserved under the selection they were typed and
        // calculated for (its names and its cable's mass), then the new
        // choice is made again.
        const int chosen = form_.item_index(sender);
        select_remembered_cable();
        preserve_question();
        if (!form_.checked("Data_Calc_Successful_CheckBox") && !form_.checked("User_Declined_Preserve_CheckBox")) {
            select_remembered_cable();
            return;
        }
        form_.set_item_index(sender, chosen);
    }
    input_fields_reset();
    if (sender == "Cable_Type_ComboBox") fill_cable_positions(form_, setup_.form());
    if (sender == "Cable_Type_ComboBox" || sender == "Cable_Position_ComboBox") fill_code_names(form_, setup_.form());
    display();
    copy_cable_selection_to_index_fields();
}

bool MainWindow::Transmission_Line_PageControlChanging() {
    if (form_.active_page("Transmission_Line_PageControl") != 1) return true;
    CalcContext c = context();
    std::string header = Check_Sag_Span_Entry(c, /*allow_blank=*/true);
    if (header == "T") Commit_Span_Changes_BitBtnClick();
    return true;  // on "F" the Sag-Span Details page, where the header is mended, is the one shown
}

}  // namespace vortan
