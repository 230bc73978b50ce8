#include "shell/cli_commands.h"

#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "overview/overview_csv.h"
#include "project/crc32.h"
#include "project/master_file.h"
#include "project/project_file_set.h"
#include "project/record_layout.h"
#include "shell/headless_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <algorithm>

namespace vortan {

namespace fs = std::filesystem;

namespace {

// PASS, FAIL or INCONCLUSIVE of a tolerance result; empty for none.
std::string first_word(const std::string& text) {
    const std::string word = text.substr(0, text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    return word == "PASS" || word == "FAIL" || word == "INCONCLUSIVE" ? word : "";
}

// Each row of a CSV text without its CR LF.
void each_csv_row(const std::string& csv, const std::function<void(const std::string&)>& out) {
    for (size_t start = 0; start < csv.size();) {
        const size_t end = csv.find("\r\n", start);
        out(csv.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
}

// A window a command shows: the button that shows it, the transcript lines
// around its text, and where the port keeps its CSV.
struct WindowShown {
    const char* button;
    const char* begin;
    const char* end;
    const std::string& (ScriptedPort::*csv)() const;
};

// Opens the project and presses the window's button at the time given: the
// window's CSV rows go to csv_out, or each line of its text to text_out, and
// each message shown on the way to messages. Exit status 0 when it was shown.
int show_window(const std::string& master, const DateTime& now, const WindowShown& window,
                const std::function<void(const std::string&)>& csv_out,
                const std::function<void(const std::string&)>& text_out,
                const std::function<void(const std::string&)>& messages) {
    HeadlessWindow headless(messages);
    ScriptedPort& port = headless.port;
    port.set_clock(now);
    if (!headless.open_read_only(master)) return 2;
    // The window's lines are the transcript's between its begin line and the
    // closing end line; any message shown before them is not one of them.
    port.clear_transcript();
    port.sink = nullptr;
    headless.window.form().user_click(window.button);
    const std::vector<std::string>& shown = port.transcript();
    const auto begin = std::find(shown.begin(), shown.end(), window.begin);
    for (auto line = shown.begin(); line != begin; ++line) messages(*line);
    if (begin == shown.end() || shown.back() != window.end) return 1;
    if (csv_out)
        each_csv_row((port.*window.csv)(), csv_out);
    else
        std::for_each(begin + 1, shown.end() - 1, text_out);
    return 0;
}

}  // namespace

int check_project(const std::string& master, const std::function<void(const std::string&)>& out) {
    std::error_code error;
    if (!is_master_file_name(master) || !fs::is_regular_file(master, error)) {
        out("ERROR no project " + master);
        return 2;
    }
    // A master that cannot vouch for itself vouches for no side file.
    const MasterFile file = read_master_file(master);
    if (file.state == MasterState::Damaged) {
        out("master DAMAGED " + file.damage);
        return 1;
    }
    const bool checked = file.state == MasterState::Whole;
    out(std::string("master ") + (checked ? "OK" : "UNCHECKED written without its own check"));
    bool all_match = checked;
    for (const SideFile& side : side_files()) {
        const std::optional<std::string> stored = file.profile.value(Master_Section, side.crc_key);
        const std::string actual = file_crc(side_file_path(master, side.extension));
        // A side file only some projects have may go without its key when it is absent.
        const bool matches = stored ? *stored == actual : side.only_when_used && actual == "0";
        all_match = all_match && matches;
        out(std::string(side.extension) + " " + (matches ? "OK" : stored ? "CHANGED" : "NO CRC") +
            " stored=" + stored.value_or("") + " actual=" + actual);
    }
    return all_match ? 0 : 1;
}

int recalc_project(const std::string& master, const std::function<void(const std::string&)>& out, bool imperial) {
    ScriptedPort port;
    port.sink = out;
    port.set_default_answer(Answer::Yes);  // load even a changed project: it is only recalculated
    SetupEditor setup;
    setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
    MainWindow window(port, setup);
    window.start();
    // It only reads: another window's lock on the project does not stop it.
    window.open_projects_read_only();
    Form& form = window.form();
    if (!window.open_project(master)) return 2;
    const std::vector<std::string> records = form.items("Cable_Bundle_Record_Listbox");
    for (const std::string& record : records) {
        // The selection of the record, as a user would pick it.
        form.set_value("Pole_Number_SpinEdit", record_integer(record, 1).value_or(1));
        form.set_value("Cable_Type_ComboBox_Index_SpinEdit", record_integer(record, 2).value_or(-1));
        form.set_value("Cable_Position_ComboBox_Index_SpinEdit", record_integer(record, 3).value_or(-1));
        form.set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", record_integer(record, 4).value_or(-1));
        fill_structure_types(form, setup.form());
        fill_cable_positions(form, setup.form());
        fill_code_names(form, setup.form());
        window.display();
        out("SPAN " + form.text("From_Tower_Edit") + "-" + form.text("To_Tower_Edit") + " " +
            form.text("Cable_Type_ComboBox") + "/" + form.text("Cable_Position_ComboBox") + "/" +
            form.text("Cable_Code_Name_ComboBox") + " method=" +
            std::to_string(form.active_page("Calc_Method_PageControl")) +
            " ok=" + (form.checked("Data_Calc_Successful_CheckBox") ? "1" : "0") +
            " required=" + form.text("Required_Sag_Edit") + " actual=" + form.text("Actual_Sag_Edit") +
            " verdict=" + first_word(form.text("Tolerance_Result_Edit")) +
            " band=" + form.text("Tolerance_Uncertainty_Edit"));
    }
    return 0;
}

int report_project(const std::string& master, const DateTime& now, const std::function<void(const std::string&)>& out,
                   const std::function<void(const std::string&)>& messages, bool csv) {
    const WindowShown report{"Report_BitBtn", "REPORT BEGIN", "REPORT END", &ScriptedPort::last_report_csv};
    return show_window(master, now, report, csv ? out : nullptr, csv ? nullptr : out, messages);
}

int check_record_project(const std::string& master, const DateTime& now,
                         const std::function<void(const std::string&)>& out,
                         const std::function<void(const std::string&)>& messages, bool csv) {
    const WindowShown record{"Check_Record_Option", "CHECK RECORD BEGIN", "CHECK RECORD END",
                             &ScriptedPort::last_check_record_csv};
    return show_window(master, now, record, csv ? out : nullptr, csv ? nullptr : out, messages);
}

int overview_project(const std::string& master, const std::function<void(const std::string&)>& out,
                     const std::function<void(const std::string&)>& messages) {
    HeadlessWindow headless(messages);
    if (!headless.open_read_only(master)) return 2;
    const LineOverview overview(headless.window.form(), headless.setup.form(), headless.window.numbers());
    each_csv_row(overview_csv(overview, headless.setup.imperial()), out);
    return 0;
}

}  // namespace vortan
