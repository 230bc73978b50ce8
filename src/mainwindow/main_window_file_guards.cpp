// Guards of opening, saving and deleting: a side file beyond any line's size
// is refused, and names that differ only in letter case are one project.
#include "mainwindow/main_window.h"
#include "project/case_spelling.h"

#include <algorithm>

namespace vortan {

namespace fs = std::filesystem;

namespace {

std::string listed(const std::vector<fs::path>& files) {
    std::string list;
    for (const fs::path& file : files) list += "\t" + file.string() + "\n\r";
    return list;
}

}  // namespace

void MainWindow::refuse_side_file(const fs::path& master, const fs::path& file, const std::string& why) {
    port_.message(MessageKind::Error, Buttons::OK,
                  "Error : The project\n\r\n\r" + master.string() + "\n\r\n\rcannot be opened: its file\n\r\n\r" +
                      file.string() + "\n\r\n\ris not read.  " + why +
                      "\n\r\n\rNothing has been loaded and the project on screen is as it was.  Restore the file from "
                      "a copy of the project.");
}

MainWindow::SpellingAnswer MainWindow::ask_about_other_spelling(fs::path& master) {
    const std::vector<fs::path> alike = masters_spelled_alike(master);
    const bool exact = std::any_of(alike.begin(), alike.end(),
                                   [&](const fs::path& found) { return found.filename() == master.filename(); });
    if (!exact && alike.size() > 1) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : The folder holds several projects named " + master.filename().string() +
                          " but for letter case :\n\r\n\r" + listed(alike) +
                          "\n\rNothing has been saved.  Save the project under one of these names exactly, or under "
                          "another name.");
        return SpellingAnswer::Declined;
    }
    const ProjectOnDisk project = project_as_spelled_on_disk(master);
    if (!project.spelled_otherwise) return SpellingAnswer::NotAsked;
    if (port_.warn(Buttons::YesNo,
                   "Warning : The project " + master.string() +
                       " already exists with its name in other letter case.  Its files :\n\r\n\r" +
                       listed(project.files) +
                       "\n\rWindows and macOS do not tell these names apart, so they are the same project.\n\r\n\r"
                       "Replace it, keeping the names as they are on disk ?") != Answer::Yes)
        return SpellingAnswer::Declined;
    master = project.master;
    return SpellingAnswer::Replace;
}

std::vector<fs::path> MainWindow::masters_sharing_side_files(const fs::path& master) const {
    std::vector<fs::path> sharing;
    for (const fs::path& other : other_masters_spelled_alike(master))
        if (!side_files_shared_with(master, other).empty()) sharing.push_back(other);
    return sharing;
}

bool MainWindow::may_replace_shared_side_files(const fs::path& master) {
    for (const fs::path& other : masters_sharing_side_files(master)) {
        if (port_.warn(Buttons::YesNo,
                       "Warning : Saving the project\n\r\n\r" + master.string() +
                           "\n\r\n\rreplaces these files, which the project " + other.string() +
                           " (its name differs only in letter case) reads as its own too :\n\r\n\r" +
                           listed(side_files_shared_with(master, other)) +
                           "\n\rThat project's data would be lost.  Save anyway ?\n\r\n\rChoose No and use Save As "
                           "with another name to keep both.") != Answer::Yes) {
            form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", false);
            return false;
        }
    }
    return true;
}

}  // namespace vortan
