// The main window's model: its form, its handlers under their component names,
// and the setup editor it consults.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"
#include "form/form.h"
#include "journal/recovery_journal.h"
#include "project/profile_file.h"
#include "project/program_settings.h"
#include "setup/setup_editor.h"
#include "storage/project_lock.h"
#include "shell/window_scaling.h"
#include "storage/file_system.h"
#include "stringing/line_schedule.h"
#include "ui/userport.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vortan {

// The folders the program works with, supplied by the platform layer.
struct ProgramPlaces {
    std::filesystem::path settings_file;           // the settings file in use
    std::filesystem::path default_project_folder;  // for projects when none is remembered
    std::string program_folder;                    // with its trailing separator
};

class MainWindow {
public:
    MainWindow(UserPort& port, SetupEditor& setup);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    SetupEditor& setup() { return setup_; }
    UserPort& port() { return port_; }

    // Separators of the system's regional settings.
    const NumberFormat& numbers() const { return numbers_; }
    void set_numbers(NumberFormat numbers) { numbers_ = std::move(numbers); }

    // The state at program start with no project: defaults in the fields,
    // unit labels of the setting in force, every change flag clear.
    void start();

    // ---- handlers ----
    void Calculate_Sag_BitBtnClick();
    void Calc_Required_Temp_BitBtnClick();
    void Cable_Bundle_Data_Changed_BitBtnClick();
    void Span_Data_Changed();
    void Calc_Method_PageControlChange();
    void Sag_New_or_Existing_RadioGroupClick();

    // ---- stringing charts (main_window_stringing.cpp) ----
    stringing::StringingData stringing_data() const;
    // Keeps the data with the project, which then has unsaved changes.
    void set_stringing_data(const stringing::StringingData& data);
    stringing::LineSchedule line_schedule() const;
    bool imperial() const;
    // Fills the schedule rows on screen from the chart of the span's section
    // (initial state to sag a cable, final to check one); the reason when it cannot.
    std::string fill_schedule_from_chart();
    void Fill_Schedule_From_Chart_OptionClick();
    // Do the rows on screen hold what the chart filled?
    bool schedule_rows_from_chart() const;
    void show_schedule_source();
    // The help topic on stringing charts, for their window's Help button.
    void show_stringing_help();

    // ---- aids beside the results (main_window_sag_aids.cpp) ----
    // The span diagram, the accuracy notes and the tolerance check of a run
    // that ended well; a failed run empties them.
    void show_sag_aids(CalcContext& context, const RunValues& run);
    void clear_sag_aids();
    void Show_Sag_Aids_OptionClick();

    // ---- navigation and display (main_window_navigation.cpp) ----
    void display();
    void input_fields_reset();
    void update_span_count_label();
    void preserve_question();
    void First_Tower_BitBtnClick();
    void Previous_Tower_BitBtnClick();
    void Next_Tower_BitBtnClick();
    void Last_Tower_BitBtnClick();
    void Jump_to_Span_BitBtnClick();
    void cable_selection_changed(const std::string& sender);
    // The line overview's row: a sag-span (1-based) and, unless -1, a
    // cable sag's position in its list; unpreserved edits are asked about
    // first, as by Jump to Span.
    void show_from_overview(int span, int cable_sag);
    void Line_Overview_OptionClick();
    bool Transmission_Line_PageControlChanging();

    // ---- storing and deleting (main_window_records.cpp) ----
    void Commit_Span_Changes_BitBtnClick();
    void Commit_Cable_Bundle_Changes_BitBtnClick();
    void Delete_Curr_Cable_Details_BitBtnClick();
    void Delete_Curr_Span_Details_BitBtnClick();

    // ---- a known state (main_window_reset.cpp) ----
    void Reset_BitBtnClick();
    void New_OptionClick();
    // ---- project files (main_window_files.cpp) ----
    void Open_OptionClick();
    // Opens the project of the master file named; false when it is refused
    // (missing, of another version, or its changed files not accepted), which
    // leaves the open project, its name and the recent projects as they were.
    bool open_project(const std::string& master);
    // Opens the project named by Load_Save_File_Edit.
    bool read_project();
    void Save_OptionClick();
    void Save_As_OptionClick();
    // Writes the project to Load_Save_File_Edit; false when nothing was written.
    bool save_project();
    // The disk that opens and saves go to (the system's unless a test gives another).
    void set_file_system(storage::FileSystem& files) { files_ = &files; }
    void update_recent_projects();
    void Load_Settings_OptionClick();
    void Delete_Projects_OptionClick();

    // ---- the recovery journal (main_window_journal.cpp) ----
    // Keeps a journal of every completed change beside the project, or in
    // `unsaved_folder` for an unsaved one (none when it is empty).
    void keep_recovery_journal(std::filesystem::path unsaved_folder);
    // Writes the changes done since the last entry; every user action ends with it.
    void journal_changes();
    // Offers back the newest unsaved project a run that died left a journal of.
    void offer_unsaved_recovery();
    const std::filesystem::path& journal_file() const { return journal_.file(); }

    // ---- one writer per project (main_window_lock.cpp) ----
    // Opened read-only: another run holds the project's lock.
    bool read_only() const { return read_only_; }
    // For commands that only read: projects open read-only, without a lock
    // and without a question.
    void open_projects_read_only() { only_reads_ = true; }

    // ---- the sag report (main_window_report.cpp) ----
    void Report_BitBtnClick();
    // What the sag report and the check record ask first: a valid sag-span
    // header, and the edits on screen preserved or declined. False when the
    // header is refused or a Yes could not store the cable sag.
    bool records_ready_to_report();
    // ---- the check record (main_window_check_record.cpp) ----
    void Check_Record_OptionClick();

    // Files dropped on the window: they open one project.
    void files_dropped(const std::vector<std::filesystem::path>& files);
    const std::string& window_caption() const { return window_caption_; }

    // Reset with the answer given: Yes keeps the setup, Yes to All empties it,
    // and no answer (an internal reset) leaves the flags as the handlers set them.
    void reset(std::optional<Answer> answer);

    // ---- program settings and the program's life (main_window_settings.cpp) ----
    void set_places(ProgramPlaces places) {
        setup_.set_program_folder(places.program_folder);
        places_ = std::move(places);
    }
    const ProgramPlaces& places() const { return places_; }
    // The first display: the settings, then the project named by the command
    // line or, without one, the project open at the last exit.
    void first_display(const std::vector<std::string>& arguments);
    void read_settings();
    // Empty on success, otherwise what went wrong.
    std::string write_settings();
    void Restore_Factory_Defaults_OptionClick();
    void Always_on_Top_OptionClick();
    // Exit: true when the program may close (the settings have been written).
    bool exit_requested();
    // The run ends without a question: unsaved changes are given up, the
    // journal goes and the project's lock is let go.
    void end_without_saving();
    void Exit_OptionClick();
    bool closing() const { return closing_; }
    // Each time the window becomes active: the unit labels follow the setting.
    void window_activated();

    // ---- scaling (main_window_scaling.cpp) ----
    // Keeps the design geometry of the window's components the first time the
    // window is displayed at its design size.
    void capture_design_geometry(int client_width, int client_height,
                                 const std::vector<DesignComponent>& components);
    // The window's client area has a new size: the factors to scale the
    // controls by (none: leave them as they are). The unit labels follow
    // unless the window is closing.
    std::optional<ScaleFactors> window_resized(int client_width, int client_height);
    const WindowBounds& window_bounds() const { return window_bounds_; }
    // The view reports the window's normal bounds and whether it is maximized.
    void set_window_state(const WindowBounds& bounds, bool maximized);
    bool window_maximized() const { return window_maximized_; }
    // The setup editor's size, kept between runs.
    const DialogSize& setup_editor_size() const { return setup_editor_size_; }
    void set_setup_editor_size(DialogSize size) { setup_editor_size_ = size; }
    // The view follows these: new bounds from the settings, the stacking
    // order, and a close the model has agreed to.
    std::function<void()> on_window_bounds_read;
    std::function<void(bool)> on_stay_on_top;
    std::function<void()> on_close;
    std::function<void()> on_caption_changed;

    // "Setup": the editor opens on its first records; when it has closed, what
    // depends on its lists and options follows them.
    void Settings_BitBtnClick();
    // Help: the contents, the sag-span topic, the topic of the method page.
    void Help_OptionClick();
    void About_OptionClick();
    void Span_Context_Help_BitBtnClick();
    void Help_Context_Sensitive_BitBtnClick();
    // F1 on the window: the help of the control that has the focus.
    void help_key_pressed(const std::string& focused_control);
    // The view shows the setup editor modally and returns when it has closed.
    std::function<void()> show_setup_editor;
    void setup_opened();
    void setup_closed();

    CalcContext context();
    stringing::FilledRows current_rows_key() const;
    bool showing_chart_rows_ = false;

    int span_number() const { return form_.value("Pole_Number_SpinEdit"); }
    int span_count() const { return static_cast<int>(form_.items("Pole_Data_Listbox").size()); }
    void set_span_number(int n);

private:
    void wire_handlers();
    // The steps of display(), which keeps the since-load flag around them.
    void show_current_span();
    void wire_workflow_handlers();
    void set_defaults();
    // First, Previous and Jump to Span: false when the sag-span may not be left.
    bool may_leave_edited_span();
    bool may_leave_span();
    void select_remembered_cable();
    void copy_cable_selection_to_index_fields();
    // Empties the sag-spans and cable sags without a question, keeping the setup.
    void reset_without_asking();
    // Sets or clears the span, cable and since-load change flags together.
    void set_change_flags(bool state);
    // Asks before unsaved changes are lost; false when the user keeps them.
    bool may_lose_unsaved_data();
    // The lines of each side file in table order, checked against the CRCs of
    // the master; none when the user declines lists that do not match.
    std::optional<std::vector<std::vector<std::string>>> read_side_files(const std::filesystem::path& master,
                                                                         const ProfileFile& profile, bool& damaged);
    // Open steps 3 to 11: the project read and accepted replaces the one on screen.
    void show_opened_project(const std::filesystem::path& master, const ProfileFile& profile,
                             std::vector<std::vector<std::string>> lists);
    bool drop_orphan_cable_sags();
    // ---- file guards (main_window_file_guards.cpp) ----
    // A side file over the limits: the open stops, naming it and why.
    void refuse_side_file(const std::filesystem::path& master, const std::filesystem::path& file,
                          const std::string& why);
    // Save As to a name whose project exists in other letter case: asks, and on
    // Yes turns `master` into the name on disk. Asked or not, or declined.
    enum class SpellingAnswer { NotAsked, Replace, Declined };
    SpellingAnswer ask_about_other_spelling(std::filesystem::path& master);
    // Asks before a save replaces side files another master spelled alike
    // reads; false when the user declines.
    bool may_replace_shared_side_files(const std::filesystem::path& master);
    // The other masters spelled alike that read side files of `master`.
    std::vector<std::filesystem::path> masters_sharing_side_files(const std::filesystem::path& master) const;
    // After an open: how many cable sags no choice reaches, kept as they are.
    void report_unreachable_cable_sags();
    void after_open_or_save(const std::filesystem::path& master);
    void apply_settings(const ProgramSettings& settings);
    ProgramSettings current_settings() const;
    void open_start_project(const std::vector<std::string>& arguments);
    void set_window_caption(std::string caption);
    // Settings steps 3 to 6 of the first display; without arguments (after a
    // factory reset) no project is opened.
    void run_first_display(const std::vector<std::string>* arguments);
    // The five recent-project entries: captions, and shown when not empty.
    void set_recent_entries(const std::array<std::string, 5>& captions);
    // The setup editor's tab style on the main window's page controls.
    void copy_tab_style();
    // The journal: what it watches, what it records and what it gives back.
    void watch_for_journal();
    // The project's lists and values as the forms hold them (those changed
    // since the last entry only, or all).
    journal::ProjectView project_state(bool pending_only) const;
    void start_journal(const std::filesystem::path& master, std::optional<std::string> base);
    void remove_journal();
    bool offer_recovery(const std::filesystem::path& master);
    // Asks whether to recover the journal's changes (says so when none can be).
    bool recovery_accepted(const journal::JournalContents& contents, const std::string& question);
    // Shows `base` with the journal's changes replayed on it.
    void recover(const journal::JournalContents& contents, journal::ProjectState base);
    void show_recovered_state(const journal::ProjectState& state, int span);
    // Before an open: the lock of `master` taken, or the user's choice of a
    // read-only project; false when the project is not to be opened.
    bool lock_to_open(const std::filesystem::path& master);
    // Save on a project open read-only says why it cannot be: true then.
    bool refused_read_only_save();
    // The project read is shown: the lock taken for it becomes the window's.
    void adopt_opening_lock();
    // Before a save: false (and the user told why) when `master` may not be written.
    bool may_save_to(const std::filesystem::path& master);
    // Saved as `master`: its lock is the window's, and the old one goes.
    void adopt_saving_lock(const std::filesystem::path& master);
    // Whether a run other than this window holds the lock of `master`.
    bool open_in_another_window(const std::filesystem::path& master) const;
    // A damaged journal: the user keeps it (to be looked at) or removes it.
    void ask_about_damaged_journal(const std::filesystem::path& file);

    UserPort& port_;
    SetupEditor& setup_;
    NumberFormat numbers_;
    Form form_;
    int units_when_setup_opened_ = 0;
    std::string check_settings_when_setup_opened_;
    std::vector<std::string> data_fields_;  // the fields a reset empties
    std::string window_caption_ = "Vortan";
    ProgramPlaces places_;
    WindowBounds window_bounds_;
    bool window_maximized_ = false;
    DialogSize setup_editor_size_;
    // Set once the window starts to close; a cancelled exit leaves it set.
    bool closing_ = false;
    bool clearing_fields_ = false;  // a reset is emptying the window's fields
    storage::ProjectLock project_lock_;  // of the project on screen
    storage::ProjectLock opening_lock_;  // of a project being opened
    storage::ProjectLock saving_lock_;   // of a new name being saved to
    bool read_only_ = false;
    // Opened with side files that failed their check, and not saved since.
    bool opened_damaged_ = false;
    bool opening_read_only_ = false;
    bool only_reads_ = false;
    journal::RecoveryJournal journal_;
    std::set<std::string> journal_pending_;  // changed since the last entry
    bool journal_writing_ = false;
    bool journal_recovered_ = false;
    std::filesystem::path journal_failure_shown_;
    storage::FileSystem* files_ = &storage::system_file_system();
};

}  // namespace vortan
