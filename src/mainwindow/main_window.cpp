#include "mainwindow/main_window.h"

#include "calc/angle_entry.h"
#include "calc/calculation_run.h"
#include "calc/precision/stored_check.h"
#include "calc/temperature_compensation.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/help_contexts.h"
#include "mainwindow/keyboard_commands.h"
#include "mainwindow/main_form_layout.h"
#include "mainwindow/method_page_fields.h"
#include "mainwindow/sag_mode.h"
#include "project/record_layout.h"
#include "shell/help_launcher.h"
#include "ui/date_text.h"
#include "units/displayed_fields.h"
#include "project/project_file_set.h"

namespace vortan {

namespace {

// The method pages' prefixes of their near, far and span copies of the header.
const char* const Header_Copies[] = {"LSM", "Off_1S", "Off_2S", "SBM", "Series_Dyn", "Shunt_Dyn", "Swing",
                                     "Tan_1S", "Tan_2S", "WAVE", "HSM", "Clino_1_Tan", "Clino_2_Tan"};

// The typed inputs of a cable sag (record fields 9 to 16, 20 to 32 and 48 to
// 74): a change marks the cable sag as edited and recomputes the compensated
// temperature.
std::vector<std::string> cable_sag_inputs() {
    std::vector<std::string> fields;
    const auto& layout = cable_sag_layout();
    for (int n = 9; n <= 16; ++n) fields.push_back(layout[static_cast<size_t>(n - 1)].name);
    for (const std::string& field : method_input_fields()) fields.push_back(field);
    return fields;
}

// The sag-span header and the hidden one-span offset fields (record fields 33 to 47).
std::vector<std::string> sag_span_inputs() {
    std::vector<std::string> fields = {"From_Tower_Edit", "To_Tower_Edit", "Span_Length_Edit"};
    const auto& layout = cable_sag_layout();
    for (int n = 33; n <= 47; ++n) fields.push_back(layout[static_cast<size_t>(n - 1)].name);
    return fields;
}

}  // namespace

MainWindow::MainWindow(UserPort& port, SetupEditor& setup) : port_(port), setup_(setup) {
    build_main_form(form_);
    wire_handlers();
    setup_.connect(port_, numbers_);
    watch_for_journal();
}

CalcContext MainWindow::context() { return CalcContext{form_, setup_.form(), port_, numbers_}; }

void MainWindow::wire_handlers() {
    form_.control("Calculate_Sag_BitBtn").on_click = [this] { Calculate_Sag_BitBtnClick(); };
    form_.control("Calculate_Option").on_click = [this] { Calculate_Sag_BitBtnClick(); };
    form_.control("Calc_Required_Temp_BitBtn").on_click = [this] { Calc_Required_Temp_BitBtnClick(); };
    for (const std::string& field : cable_sag_inputs())
        form_.control(field).on_change = [this] { Cable_Bundle_Data_Changed_BitBtnClick(); };
    for (const std::string& field : sag_span_inputs()) form_.control(field).on_change = [this] { Span_Data_Changed(); };
    for (const char* text : Project_Texts) {
        // The setup editor keeps the project texts and the project file is
        // written from it: a text typed here goes there too, or it would be lost.
        form_.control(text).on_change = [this, text] {
            if (!clearing_fields_) setup_.form().set_text(text, form_.text(text));
            form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
        };
    }
    form_.control("Theodolite_Type_Edit").on_change = [this] {
        form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    };
    form_.control("Inspector_Surname_ComboBox").on_change = [this] {
        fill_current_inspector(form_, setup_.form());
        // The inspector is part of the sag-span record: choosing another is an edit to keep.
        form_.set_checked("Span_Data_Changed_CheckBox", true);
        form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    };
    wire_workflow_handlers();
    form_.control("Calc_Method_PageControl").on_change = [this] { Calc_Method_PageControlChange(); };
    form_.control("Sag_New_or_Existing_RadioGroup").on_change = [this] {
        Sag_New_or_Existing_RadioGroupClick();
    };
}

void MainWindow::wire_workflow_handlers() {
    struct Click {
        const char* control;
        void (MainWindow::*handler)();
    };
    const Click clicks[] = {
        {"First_Tower_BitBtn", &MainWindow::First_Tower_BitBtnClick},
        {"Previous_Tower_BitBtn", &MainWindow::Previous_Tower_BitBtnClick},
        {"Next_Tower_BitBtn", &MainWindow::Next_Tower_BitBtnClick},
        {"Last_Tower_BitBtn", &MainWindow::Last_Tower_BitBtnClick},
        {"Jump_to_Span_BitBtn", &MainWindow::Jump_to_Span_BitBtnClick},
        {"Delete_Curr_Span_Details_BitBtn", &MainWindow::Delete_Curr_Span_Details_BitBtnClick},
        {"Commit_Span_Changes_BitBtn", &MainWindow::Commit_Span_Changes_BitBtnClick},
        {"Commit_Cable_Bundle_Changes_BitBtn", &MainWindow::Commit_Cable_Bundle_Changes_BitBtnClick},
        {"Delete_Curr_Cable_Details_BitBtn", &MainWindow::Delete_Curr_Cable_Details_BitBtnClick},
        {"Reset_BitBtn", &MainWindow::Reset_BitBtnClick},
        {"Reset_Option", &MainWindow::Reset_BitBtnClick},
        {"New_Option", &MainWindow::New_OptionClick},
        {"Open_Option", &MainWindow::Open_OptionClick},
        {"Open_BitBtn", &MainWindow::Open_OptionClick},
        {"Save_Option", &MainWindow::Save_OptionClick},
        {"Save_BitBtn", &MainWindow::Save_OptionClick},
        {"Save_As_Option", &MainWindow::Save_As_OptionClick},
        {"Load_Settings_Option", &MainWindow::Load_Settings_OptionClick},
        {"Delete_Projects_Option", &MainWindow::Delete_Projects_OptionClick},
        {"Restore_Factory_Defaults_Option", &MainWindow::Restore_Factory_Defaults_OptionClick},
        {"Always_on_Top_Option", &MainWindow::Always_on_Top_OptionClick},
        {"Show_Sag_Aids_Option", &MainWindow::Show_Sag_Aids_OptionClick},
        {"Line_Overview_Option", &MainWindow::Line_Overview_OptionClick},
        {"Fill_Schedule_From_Chart_Option", &MainWindow::Fill_Schedule_From_Chart_OptionClick},
        {"Exit_Option", &MainWindow::Exit_OptionClick},
        {"Exit_BitBtn", &MainWindow::Exit_OptionClick},
        {"Settings_BitBtn", &MainWindow::Settings_BitBtnClick},
        {"Help_Option", &MainWindow::Help_OptionClick},
        {"About_Option", &MainWindow::About_OptionClick},
        {"Span_Context_Help_BitBtn", &MainWindow::Span_Context_Help_BitBtnClick},
        {"Help_Context_Sensitive_BitBtn", &MainWindow::Help_Context_Sensitive_BitBtnClick},
        {"Setup_Option", &MainWindow::Settings_BitBtnClick},
        {"Report_BitBtn", &MainWindow::Report_BitBtnClick},
        {"Report_Option", &MainWindow::Report_BitBtnClick},
        {"Check_Record_Option", &MainWindow::Check_Record_OptionClick},
    };
    for (const Click& click : clicks) {
        auto handler = click.handler;
        form_.control(click.control).on_click = [this, handler] { (this->*handler)(); };
    }
    add_keyboard_commands(form_);
    for (const char* combo : {"Cable_Type_ComboBox", "Cable_Position_ComboBox", "Cable_Code_Name_ComboBox"})
        form_.control(combo).on_change = [this, combo] { cable_selection_changed(combo); };
    form_.control("Transmission_Line_PageControl").on_changing = [this] {
        return Transmission_Line_PageControlChanging();
    };
    for (int n = 1; n <= 5; ++n) {
        const std::string entry = "Last_Used_File_" + std::to_string(n);
        form_.control(entry).on_click = [this, entry] {
            // Opening another project must not lose unsaved work unasked.
            if (!may_lose_unsaved_data()) return;
            open_project(form_.control(entry).caption);
        };
    }
    // A span number below 1 never stands.
    form_.control("Pole_Number_SpinEdit").on_change = [this] {
        if (span_number() < 1) form_.set_value("Pole_Number_SpinEdit", 1);
    };
}

void MainWindow::set_defaults() {
    form_.set_text("Sag_Date_Edit", format_dd_mmm_yyyy(port_.now()));
    for (const char* field :
         {"Actual_Cable_Temperature_Edit", "Temperature_Compensation_Edit", "Hours_Since_Cable_Runout_Edit"})
        form_.set_text(field, "0");
    form_.set_text("Series_Dyn_Mechanical_Advantage_Edit", "1");
}

void MainWindow::start() {
    fill_all_choices(form_, setup_.form());
    reset(std::nullopt);
    Set_Units_Labels(form_, setup_.form(), setup_.imperial());
    apply_sag_mode(form_);
    for (const std::string& flag : main_window_flags()) form_.set_checked(flag, false);
}

void MainWindow::Calculate_Sag_BitBtnClick() {
    CalcContext c = context();
    const RunValues run = vortan::Calculate_Sag_BitBtnClick(c);
    show_sag_aids(c, run);
}

void MainWindow::Calc_Required_Temp_BitBtnClick() {
    CalcContext c = context();
    vortan::Calc_Required_Temp_BitBtnClick(c);
}

void MainWindow::Cable_Bundle_Data_Changed_BitBtnClick() {
    form_.set_checked("Calcualte_Without_Messages_CheckBox", true);
    Calc_Required_Temp_BitBtnClick();
    form_.set_checked("Calcualte_Without_Messages_CheckBox", false);
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    show_schedule_source();
}

void MainWindow::Span_Data_Changed() {
    if (!form_.text("From_Tower_Edit").empty() && !form_.text("Span_Length_Edit").empty() &&
        !form_.text("To_Tower_Edit").empty())
        form_.set_enabled("Next_Tower_BitBtn", true);
    form_.set_checked("Span_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    for (const char* prefix : Header_Copies) {
        const std::string page = prefix;
        form_.set_text(page + "_Near_Structure_Edit", form_.text("From_Tower_Edit"));
        form_.set_text(page + "_Far_Structure_Edit", form_.text("To_Tower_Edit"));
        form_.set_text(page + "_Actual_Span_Edit", form_.text("Span_Length_Edit"));
    }
}

void MainWindow::Calc_Method_PageControlChange() {
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    clear_sag_aids();  // they described the other method's run
}

void MainWindow::Sag_New_or_Existing_RadioGroupClick() {
    form_.set_checked("Span_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    // The mode is part of the cable sag: without this flag, moving on would not
    // offer to preserve a changed mode.
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    apply_sag_mode(form_);
    clear_sag_aids();  // they described a run in the other mode
}

void MainWindow::Help_OptionClick() {
    run_help_command(port_, help_contents_command(places_.program_folder));
}

void MainWindow::About_OptionClick() {
    port_.message(MessageKind::Information, Buttons::OK,
                  "Vortan 3.3\n\r\n\rSag calculations for stringing and checking the cables of overhead power "
                  "lines.");
}

void MainWindow::Span_Context_Help_BitBtnClick() {
    run_help_command(port_, help_topic_command(help_topic::Sag_Spans, places_.program_folder));
}

void MainWindow::Help_Context_Sensitive_BitBtnClick() {
    run_help_command(port_, help_topic_command(help_topic::First_Method + form_.active_page("Calc_Method_PageControl"),
                                               places_.program_folder));
}

void MainWindow::help_key_pressed(const std::string& focused_control) {
    run_help_command(port_, help_context_command(help_context(form_, focused_control), places_.program_folder));
}

void MainWindow::Settings_BitBtnClick() {
    setup_opened();
    // Without a window to show (headless runs) the editor stays open until
    // its OK is pressed and setup_closed() runs.
    if (!show_setup_editor) return;
    show_setup_editor();
    setup_closed();
}

void MainWindow::setup_opened() {
    Form& setup = setup_.form();
    setup.set_value("Inspector_Number_SpinEdit", 1);
    setup.set_value("Code_Name_SpinEdit", 1);
    units_when_setup_opened_ = setup.item_index("Units_of_Measure_RadioGroup");
    check_settings_when_setup_opened_ = settings_a_check_follows(setup, numbers_);
    setup_.show();
}

void MainWindow::setup_closed() {
    Form& setup = setup_.form();
    fill_all_choices(form_, setup, span_number() <= span_count());
    form_.set_text("Theodolite_Type_Edit", vertical_circle_name(setup));
    bool was_imperial = units_when_setup_opened_ == 1;
    bool redisplayed = false;
    if (setup_.imperial() != was_imperial) {
        Set_Units_Labels(form_, setup, setup_.imperial());
        const bool edits_pending =
            form_.checked("Span_Data_Changed_CheckBox") || form_.checked("Cable_Data_Changed_CheckBox");
        if (!edits_pending && span_number() <= span_count()) {
            // Nothing typed to carry over: the records shown afresh, in the new units.
            display();
            redisplayed = true;
        } else {
            CalcContext c = context();
            convert_displayed_fields(c, was_imperial, setup_.imperial());
        }
    }
    // The diagram, notes and check were worked out in the old units, tolerance
    // or precisions: they go until the next successful calculation.
    if (!redisplayed && settings_a_check_follows(setup, numbers_) != check_settings_when_setup_opened_)
        clear_sag_aids();
    copy_tab_style();
    // Showing the editor again clears its own mark; the project keeps it.
    if (setup.checked("Settings_Data_Changed_CheckBox")) form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    journal_changes();
}

}  // namespace vortan
