// Putting the main window into a known state: Reset and New.
#include "calc/angle_entry.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "project/project_file_set.h"

namespace vortan {

void MainWindow::set_change_flags(bool state) {
    for (const char* flag : {"Span_Data_Changed_CheckBox", "Cable_Data_Changed_CheckBox",
                             "Data_Changed_Since_Load_CheckBox"})
        form_.set_checked(flag, state);
}

void MainWindow::reset_without_asking() {
    form_.set_checked("Reset_Data_With_No_Warning_to_User_CheckBox", true);
    Reset_BitBtnClick();
    form_.set_checked("Reset_Data_With_No_Warning_to_User_CheckBox", false);
}

void MainWindow::Reset_BitBtnClick() {
    if (form_.checked("Reset_Data_With_No_Warning_to_User_CheckBox")) {
        reset(std::nullopt);
        return;
    }
    Answer answer = port_.warn(Buttons::YesCancelYesToAll,
        "Warning: Do you want to reset all data or just some data ?\n\r\n\rChoose :\n\r\n\r* \"Yes\" to reset all "
        "Sag-Span / Cable Sag data, but leave existing Setup information intact and untouched.\n\r\n\r* \"Cancel\" "
        "to exit without resetting any data.\n\r\n\r* \"Yes to All\" to reset all Sag-Span / Cable Sag data and "
        "reset all existing Setup information\n\r\n\rN.B.  Only data in memory will be affected - NO files on disk "
        "will be altered.");
    if (answer == Answer::Yes || answer == Answer::YesToAll) reset(answer);
}

void MainWindow::reset(std::optional<Answer> answer) {
    // 2: every text field empties, but the project folder stays.
    const std::string folder = form_.text("Load_Save_Directory_Edit");
    // The project texts come back from the setup editor in step 9; emptying
    // them here must not empty the setup editor's.
    clearing_fields_ = true;
    for (const Control* control : form_.controls())
        if (control->kind == ControlKind::Edit) form_.set_text(control->name, "");
    clearing_fields_ = false;
    form_.set_text("Load_Save_Directory_Edit", folder);
    // The project's name went with the fields: the caption no longer names it
    // (an open that follows names its own).
    set_window_caption("Vortan");
    // 3-5: no records, the first type and position chosen.
    fill_current_inspector(form_, setup_.form());
    form_.set_items("Pole_Data_Listbox", {});
    form_.set_items("Cable_Bundle_Record_Listbox", {});
    form_.set_items("Stringing_Data_Listbox", {});
    // On the first span before the buttons are set: Previous and First are off.
    set_span_number(1);
    display();
    // The first of every choice list; the fills keep the index fields naming the same.
    for (const char* index : {"Cable_Type_ComboBox_Index_SpinEdit", "Cable_Position_ComboBox_Index_SpinEdit",
                              "Cable_Code_Name_ComboBox_Index_SpinEdit"})
        form_.set_value(index, 0);
    fill_structure_types(form_, setup_.form());
    fill_cable_positions(form_, setup_.form());
    fill_code_names(form_, setup_.form());
    // 6-7: defaults, and the first pages.
    set_defaults();
    form_.set_active_page("Transmission_Line_PageControl", 0);
    form_.set_active_page("Calc_Method_PageControl", 0);
    form_.set_focus("From_Tower_Edit");
    // 8: Yes to All empties the setup too.
    if (answer == Answer::YesToAll) {
        Form& setup = setup_.form();
        for (const char* list : {setup_list::Inspectors, setup_list::Cable_Positions, setup_list::Structure_Types,
                                 setup_list::Code_Names, setup_list::Combinations})
            setup.set_items(list, {});
        fill_inspector_choices(form_, setup);
        fill_current_inspector(form_, setup);
        fill_structure_types(form_, setup);
        fill_cable_positions(form_, setup);
        fill_code_names(form_, setup);
        for (const char* text : Project_Texts) setup.set_text(text, "");
        setup_.precisions().show_defaults();
    }
    // 9-11
    fill_project_details(form_, setup_.form());
    form_.set_text("Theodolite_Type_Edit", vertical_circle_name(setup_.form()));
    if (answer == Answer::YesToAll) set_change_flags(false);
    if (answer == Answer::Yes) set_change_flags(true);
    // What is on screen now is an unsaved project; its lock goes once the
    // project's journal has.
    read_only_ = false;
    start_journal({}, std::nullopt);
    project_lock_.release();
}

bool MainWindow::may_lose_unsaved_data() {
    if (!form_.checked("Data_Changed_Since_Load_CheckBox") && !setup_.form().checked("Settings_Data_Changed_CheckBox"))
        return true;
    return port_.warn(Buttons::YesNo,
                         "Warning: Lose unsaved data ?\n\r\n\rChanges to the current project have not been saved !  "
                         "\n\r\n\rLoading another project will overwrite your unsaved work !\n\r\n\rAre you sure you "
                         "want to lose your unsaved data ? ") == Answer::Yes;
}

void MainWindow::New_OptionClick() {
    if (!may_lose_unsaved_data()) return;
    reset(Answer::YesToAll);
    set_change_flags(false);
    setup_.form().set_checked("Settings_Data_Changed_CheckBox", false);
}

}  // namespace vortan
