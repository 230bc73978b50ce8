// The program settings file, the recent projects it keeps, the first display
// of the window and the exit.
#include "calc/angle_entry.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "mainwindow/sag_mode.h"
#include "project/project_file_set.h"
#include "setup/vertical_circle.h"
#include "shell/command_line_project.h"
#include "units/displayed_fields.h"

namespace vortan {

namespace fs = std::filesystem;

namespace {

const char* const Page_Controls[] = {"Transmission_Line_PageControl", "Calc_Method_PageControl"};

std::string recent_entry(size_t n) { return "Last_Used_File_" + std::to_string(n + 1); }

std::string settings_not_read_message(const fs::path& file, const std::string& problem) {
    return "Warning : The program settings file\n\r\n\r" + file.string() + "\n\r\n\r" +
           "could not be used.  " + problem +
           "\n\r\n\rThe program starts with the default settings, and writes its settings to this file at exit.  "
           "If the file is a folder or cannot be written, move or rename it so that the settings can be kept.";
}

std::string settings_not_kept_message(const fs::path& file, const std::string& failure) {
    return "Warning : The program settings could not be kept in the file\n\r\n\r" + file.string() + "\n\r\n\r" +
           failure +
           "\n\r\n\rThe next start finds the settings this file held before, or the defaults.  Make sure it is a "
           "file, not a folder, and that its folder can be written.";
}

}  // namespace

void MainWindow::apply_settings(const ProgramSettings& s) {
    Form& setup = setup_.form();
    // 1: the window's place and size; first whether the dock beside the pages
    // is shown, which the window's width is measured without.
    form_.set_checked("Show_Sag_Aids_Option", s.Show_Sag_Aids_Option);
    form_.set_visible("Sag_Aids_Panel", s.Show_Sag_Aids_Option);
    form_.set_checked("Line_Overview_Option", s.Line_Overview_Option);
    form_.set_visible("Line_Overview_Panel", s.Line_Overview_Option);
    window_bounds_ = s.bounds;
    setup_editor_size_ = s.setup_editor;
    if (on_window_bounds_read) on_window_bounds_read();
    // 2: folder, options and the project open at exit.
    form_.set_text("Load_Save_Directory_Edit", s.Load_Save_Directory_Edit);
    setup.set_checked("Zenith_RadioButton", s.Zenith_RadioButton);
    setup.set_checked("Nadir_RadioButton", s.Nadir_RadioButton);
    setup.set_checked("Altitude_RadioButton", s.Altitude_RadioButton);
    choose_one_vertical_circle(setup);
    setup.set_item_index("Sort_Report_Data_RadioGroup", s.Sort_Report_Data_RadioGroup == 1 ? 1 : 0);
    form_.set_checked("Splash_Screen_Dont_Show_This_Again_CheckBox", s.Splash_Screen_Dont_Show_This_Again_CheckBox);
    // The stacking follows the restored check mark, so that menu and window agree.
    form_.set_checked("Always_on_Top_Option", s.Always_on_Top_Option);
    if (on_stay_on_top) on_stay_on_top(s.Always_on_Top_Option);
    setup.set_checked("Reset_All_Input_Fields_CheckBox", s.Reset_All_Input_Fields_CheckBox);
    setup.set_checked("Offset_Listing_Only_After_Calc_CheckBox", s.Offset_Listing_Only_After_Calc_CheckBox);
    form_.set_text("Load_Save_File_Edit", s.Load_Save_File_Edit);
    // 3: the recent projects.
    set_recent_entries(s.Last_Used_File);
    // 4: units and the tab style, which the main window's page controls share.
    setup.set_item_index("Units_of_Measure_RadioGroup", s.Units_of_Measure_RadioGroup == 1 ? 1 : 0);
    const int tab_style = s.Tab_Style_RadioGroup >= 0 && s.Tab_Style_RadioGroup <= 2 ? s.Tab_Style_RadioGroup : 0;
    setup.set_item_index("Tab_Style_RadioGroup", tab_style);
    copy_tab_style();
    Set_Units_Labels(form_, setup, setup_.imperial());
    setup.set_text("Sag_Tolerance_Percent_Edit", s.Sag_Tolerance_Percent);
    // 5: the window maximizes when it is first activated.
    form_.set_checked("Is_App_Maximised_CheckBox", s.WindowState_wsMaximized);
    // 6: a folder that has gone gives way to the default one.
    std::error_code error;
    const std::string folder = form_.text("Load_Save_Directory_Edit");
    if (folder.empty() || !fs::is_directory(folder, error))
        form_.set_text("Load_Save_Directory_Edit", folder_with_separator(places_.default_project_folder.string()));
}

ProgramSettings MainWindow::current_settings() const {
    const Form& setup = setup_.form();
    ProgramSettings s;
    s.bounds = window_bounds_;
    s.WindowState_wsMaximized = window_maximized_;
    s.setup_editor = setup_editor_size_;
    s.Load_Save_Directory_Edit = form_.text("Load_Save_Directory_Edit");
    s.Zenith_RadioButton = setup.checked("Zenith_RadioButton");
    s.Nadir_RadioButton = setup.checked("Nadir_RadioButton");
    s.Altitude_RadioButton = setup.checked("Altitude_RadioButton");
    s.Sort_Report_Data_RadioGroup = setup.item_index("Sort_Report_Data_RadioGroup");
    s.Splash_Screen_Dont_Show_This_Again_CheckBox = form_.checked("Splash_Screen_Dont_Show_This_Again_CheckBox");
    s.Always_on_Top_Option = form_.checked("Always_on_Top_Option");
    s.Reset_All_Input_Fields_CheckBox = setup.checked("Reset_All_Input_Fields_CheckBox");
    s.Offset_Listing_Only_After_Calc_CheckBox = setup.checked("Offset_Listing_Only_After_Calc_CheckBox");
    s.Load_Save_File_Edit = form_.text("Load_Save_File_Edit");
    for (size_t n = 0; n < s.Last_Used_File.size(); ++n) s.Last_Used_File[n] = form_.control(recent_entry(n)).caption;
    s.Units_of_Measure_RadioGroup = setup.item_index("Units_of_Measure_RadioGroup");
    s.Tab_Style_RadioGroup = setup.item_index("Tab_Style_RadioGroup");
    s.Sag_Tolerance_Percent = setup.text("Sag_Tolerance_Percent_Edit");
    s.Show_Sag_Aids_Option = form_.checked("Show_Sag_Aids_Option");
    s.Line_Overview_Option = form_.checked("Line_Overview_Option");
    return s;
}

void MainWindow::read_settings() {
    const SettingsReading reading = load_program_settings(places_.settings_file);
    apply_settings(reading.settings);
    if (!reading.problem.empty())
        port_.message(MessageKind::Warning, Buttons::OK, settings_not_read_message(places_.settings_file, reading.problem));
}

std::string MainWindow::write_settings() {
    if (places_.settings_file.empty()) return "";
    return write_program_settings(places_.settings_file, current_settings());
}

void MainWindow::set_window_state(const WindowBounds& bounds, bool maximized) {
    window_bounds_ = bounds;
    window_maximized_ = maximized;
}

void MainWindow::first_display(const std::vector<std::string>& arguments) { run_first_display(&arguments); }

void MainWindow::run_first_display(const std::vector<std::string>* arguments) {
    closing_ = false;
    journal_recovered_ = false;
    read_settings();
    if (arguments) open_start_project(*arguments);
    form_.set_text("Theodolite_Type_Edit", vertical_circle_name(setup_.form()));
    apply_sag_mode(form_);
    set_change_flags(false);
    // Recovered changes stay unsaved work; without them, an unsaved project
    // a run that died was editing is offered back.
    if (journal_recovered_) form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    else if (arguments) offer_unsaved_recovery();
}

void MainWindow::open_start_project(const std::vector<std::string>& arguments) {
    // No project is open yet: the reset empties the name the settings gave,
    // which stands again only once that project has opened.
    const std::string last = form_.text("Load_Save_File_Edit");
    reset_without_asking();
    std::error_code error;
    const fs::path named = command_line_project(arguments, fs::current_path(error));
    if (!named.empty()) {
        open_project(named.string());
        return;
    }
    if (!last.empty() && fs::is_regular_file(last, error)) open_project(last);
}

void MainWindow::Restore_Factory_Defaults_OptionClick() {
    // 1
    if (port_.warn(Buttons::YesCancel,
            "Warning: This will restore the program back to the exact state it was in when it was first installed on "
            "your system.  That is :\n\r\n\r* The size and shape of the main screen will be restored to its original "
            "defaults. \n\r\n\r* ALL data currently loaded in the program will be erased. \n\r\n\r* The default "
            "theodolite will be set to \"Zenith\". \n\r\n\r* The initial program introduction screen will again be "
            "displayed on program startup.\n\r\n\rN.B.  No projects saved on disk will be affected by this process "
            "!\n\r\n\rDo you wish to continue with this process ?") != Answer::Yes)
        return;
    // 2: no data and no setup lists stay.
    reset(Answer::YesToAll);
    set_change_flags(false);
    setup_.form().set_checked("Settings_Data_Changed_CheckBox", false);
    // 3-4
    if (!places_.settings_file.empty()) delete_program_settings(places_.settings_file);
    set_recent_entries({});
    // 5: the first display again, on the defaults. It must not reopen the
    // command-line or last project: every datum has just been erased.
    set_window_caption("Vortan");
    run_first_display(nullptr);
}

void MainWindow::set_recent_entries(const std::array<std::string, 5>& captions) {
    for (size_t n = 0; n < captions.size(); ++n) {
        form_.set_caption(recent_entry(n), captions[n]);
        form_.set_visible(recent_entry(n), !captions[n].empty());
    }
    form_.set_visible("Last_Used_File_Separator", !captions[0].empty());
}

void MainWindow::copy_tab_style() {
    for (const char* pages : Page_Controls) form_.set_value(pages, setup_.form().item_index("Tab_Style_RadioGroup"));
}

void MainWindow::set_window_caption(std::string caption) {
    window_caption_ = std::move(caption);
    if (on_caption_changed) on_caption_changed();
}

void MainWindow::Always_on_Top_OptionClick() {
    const bool on_top = !form_.checked("Always_on_Top_Option");
    form_.set_checked("Always_on_Top_Option", on_top);
    if (on_stay_on_top) on_stay_on_top(on_top);
}

bool MainWindow::exit_requested() {
    closing_ = true;
    if (form_.checked("Data_Changed_Since_Load_CheckBox") || setup_.form().checked("Settings_Data_Changed_CheckBox")) {
        Answer answer =
            port_.message(MessageKind::Warning, Buttons::YesNoCancel, "Warning : Save changed data before exiting ?");
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            Save_OptionClick();
            if (!form_.checked("User_Saved_Data_When_Prompted_CheckBox")) {
                // The save did not happen: the program keeps running with its data.
                write_settings();
                return false;
            }
        }
    }
    const std::string failure = write_settings();
    if (!failure.empty())
        port_.message(MessageKind::Warning, Buttons::OK, settings_not_kept_message(places_.settings_file, failure));
    // Saved or given up, the changes need no journal, and the project no lock.
    remove_journal();
    project_lock_.release();
    return true;
}

void MainWindow::end_without_saving() {
    remove_journal();
    project_lock_.release();
}

void MainWindow::window_activated() { Set_Units_Labels(form_, setup_.form(), setup_.imperial()); }

void MainWindow::Exit_OptionClick() {
    if (exit_requested() && on_close) on_close();
}

}  // namespace vortan
