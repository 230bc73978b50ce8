// Taking the setup of another project, deleting projects, and opening a
// project by dropping its files on the window.
#include "mainwindow/main_window.h"
#include "project/crc32.h"
#include "project/project_file_set.h"

#include <algorithm>
#include <set>

namespace vortan {

namespace fs = std::filesystem;

void MainWindow::Load_Settings_OptionClick() {
    if (port_.warn(Buttons::YesNo,
                      "Warning: This will Reset ALL data currently loaded and then load only the Setup information "
                      "from the project file you select.  \n\r\n\rThis will save you a lot of work if you want to add "
                      "Span / Cable Bundle details with the same Setup as an existing project.\n\r\n\rAre you sure ? ") !=
        Answer::Yes)
        return;
    form_.set_checked("Data_Changed_Since_Load_CheckBox", false);
    setup_.form().set_checked("Settings_Data_Changed_CheckBox", false);
    form_.set_checked("Load_Settings_From_Another_Project_CheckBox", true);
    Open_OptionClick();
    form_.set_checked("Load_Settings_From_Another_Project_CheckBox", false);
    // An unnamed project with the chosen project's setup, and the mechanics
    // of its conductors, which belong with their code names.
    stringing::StringingData conductors;
    conductors.conductors = stringing_data().conductors;
    reset_without_asking();
    set_stringing_data(conductors);
    set_change_flags(false);
}

void MainWindow::Delete_Projects_OptionClick() {
    FileDialogRequest request{"Select Project(s) to Delete ...", Project_File_Filter,
                              form_.text("Load_Save_Directory_Edit"), "Delete", true};
    std::vector<fs::path> chosen;
    for (const fs::path& file : port_.open_files(request))
        if (is_master_file_name(file)) chosen.push_back(file);
    if (chosen.empty()) return;
    const std::string n = std::to_string(chosen.size());
    std::string question =
        chosen.size() == 1
            ? "Warning : Delete / erase the  project you selected ?  This will permanently erase all Sag-span, "
              "Cable-sag, and Settings data in this project.  Are you really sure ?"
            : "Warning : Delete / erase the " + n + " projects you selected ?  This will permanently erase all "
              "Sag-span, Cable-sag, and Settings data in these projects.  Are you really sure ?";
    // A master spelled alike that reads the same side files is the same
    // project: left behind, it would open without its data.
    std::vector<fs::path> masters = chosen;
    for (const fs::path& master : chosen)
        for (const fs::path& other : masters_sharing_side_files(master)) {
            if (std::find(masters.begin(), masters.end(), other) != masters.end()) continue;
            masters.push_back(other);
            question += "\n\r\n\rThe project " + other.string() +
                        ", whose name differs only in letter case, uses the same files and is erased with it.";
        }
    if (port_.warn(Buttons::YesNo, question) != Answer::Yes) return;
    std::string not_erased;
    std::set<fs::path> erased;
    for (const fs::path& master : masters) {
        if (fs::path(form_.text("Load_Save_File_Edit")) == master)
            form_.set_checked("Data_Changed_Since_Load_CheckBox", true);  // what is on screen can be saved again
        // The files as an open finds them, in whatever letter case they have.
        for (const fs::path& file : project_files_on_disk(master)) {
            if (!erased.insert(file).second) continue;
            std::error_code error;
            if (file_in_use(file) || !fs::remove(file, error) || error) not_erased += "\n\r" + file.string();
        }
    }
    if (!not_erased.empty()) {
        port_.message(MessageKind::Error, Buttons::OK, "Error : These files could not be erased :" + not_erased);
        return;
    }
    port_.message(MessageKind::Confirmation, Buttons::OK,
                  chosen.size() == 1 ? "Confirmation : The project you selected has been erased."
                                     : "Confirmation : The " + n + " projects you selected have been erased.");
}

void MainWindow::files_dropped(const std::vector<fs::path>& files) {
    if (!may_lose_unsaved_data()) return;
    // The files of one project count once, whichever of its eight were dropped.
    std::set<fs::path> projects;
    for (const fs::path& file : files) {
        fs::path project = fs::absolute(file);
        project.replace_extension();
        projects.insert(project);
    }
    if (projects.size() > 1) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : Only 1 project can be opened at a time.  Please only drag and drop one project at a time.");
        return;
    }
    if (projects.empty()) return;
    open_project(projects.begin()->string() + ".vtn");
}

}  // namespace vortan
