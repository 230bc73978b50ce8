// Opening a project whose files hold arbitrary bytes, then using it.
//
// Input: the master file and the seven side files (in the order the program
// reads them: .spd .scb .sin .scp .sct .scn .svc), separated by NUL bytes; a
// part that is not there is a missing file. The files are written to a folder
// of this process, opened as the Open command does (every question answered
// Yes, so even a changed project loads), every sag-span and every cable sag is
// shown, the report is made, and the project is saved and opened again.
// Nothing of this may crash, hang or throw.
#include "mainwindow/main_window.h"
#include "project/project_file_set.h"
#include "project/record_layout.h"
#include "mainwindow/choice_fills.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace vortan;
namespace fs = std::filesystem;

namespace {

constexpr int Max_Steps = 40;  // sag-spans stepped through, cable sags shown

const fs::path& work_folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("vortan-project-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(f);
        // Removed when the fuzzer exits normally; kept after a crash.
        std::atexit([] {
            std::error_code error;
            fs::remove_all(fs::temp_directory_path() / ("vortan-project-fuzz-" + std::to_string(::getpid())), error);
        });
        return f;
    }();
    return folder;
}

void clear_folder(const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) fs::remove_all(entry.path(), error);
}

void write_bytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Session {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
    Session() {
        port.set_default_answer(Answer::Yes);
        window.start();
    }
    bool open(const fs::path& master) {
        window.form().set_text("Load_Save_File_Edit", master.string());
        window.read_project();
        return !window.form().text("Load_Save_File_Edit").empty();
    }
};

void use_project(Session& s) {
    Form& form = s.window.form();
    form.user_click("First_Tower_BitBtn");
    for (int step = 0; step < std::min(s.window.span_count(), Max_Steps); ++step) form.user_click("Next_Tower_BitBtn");
    form.user_click("Last_Tower_BitBtn");
    form.user_click("Previous_Tower_BitBtn");
    // Each stored cable sag, selected as a user picks it.
    const std::vector<std::string> records = form.items("Cable_Bundle_Record_Listbox");
    for (size_t i = 0; i < std::min<size_t>(records.size(), Max_Steps); ++i) {
        const std::string& record = records[i];
        form.set_value("Pole_Number_SpinEdit", record_integer(record, 1).value_or(1));
        form.set_value("Cable_Type_ComboBox_Index_SpinEdit", record_integer(record, 2).value_or(-1));
        form.set_value("Cable_Position_ComboBox_Index_SpinEdit", record_integer(record, 3).value_or(-1));
        form.set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", record_integer(record, 4).value_or(-1));
        fill_structure_types(form, s.setup.form());
        fill_cable_positions(form, s.setup.form());
        fill_code_names(form, s.setup.form());
        s.window.display();
    }
    form.user_click("Report_BitBtn");
    s.port.clear_transcript();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    const fs::path& folder = work_folder();
    clear_folder(folder);

    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) parts.emplace_back();
        else parts.back() += static_cast<char>(data[i]);
    }
    const fs::path master = folder / "project.vtn";
    write_bytes(master, parts[0]);
    const auto& sides = side_files();
    for (size_t i = 0; i < sides.size() && i + 1 < parts.size(); ++i)
        write_bytes(side_file_to_write(master, sides[i].extension), parts[i + 1]);

    Session session;
    if (!session.open(master)) return 0;
    use_project(session);

    // Saved and opened again, the project is still usable.
    session.port.queue_files({folder / "saved.vtn"});
    session.window.form().user_click("Save_As_Option");
    Session reopened;
    if (reopened.open(folder / "saved.vtn")) use_project(reopened);
    return 0;
}
