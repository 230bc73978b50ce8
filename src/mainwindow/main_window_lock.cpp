// One writer per project: the lock the window holds while a project is
// open, taken before an open and before a save under a new name.
#include "mainwindow/main_window.h"
#include "mainwindow/project_lock_question.h"

namespace vortan {

namespace fs = std::filesystem;

bool MainWindow::lock_to_open(const fs::path& master) {
    opening_lock_.release();
    opening_read_only_ = only_reads_;
    if (only_reads_) return true;
    // Opened again by this window: a second lock of one file in one process
    // would be refused like another window's.
    if (project_lock_.held() && project_lock_.file() == storage::lock_file_of(master)) {
        opening_lock_ = std::move(project_lock_);
        return true;
    }
    const ProjectAccess access = take_lock_to_open(opening_lock_, master, port_);
    opening_read_only_ = access == ProjectAccess::ReadOnly;
    return access != ProjectAccess::Refused;
}

bool MainWindow::refused_read_only_save() {
    if (read_only_) refuse_read_only_save(form_.text("Load_Save_File_Edit"), port_);
    return read_only_;
}

void MainWindow::adopt_opening_lock() {
    project_lock_ = std::move(opening_lock_);
    read_only_ = opening_read_only_;
    opening_read_only_ = false;
}

bool MainWindow::may_save_to(const fs::path& master) {
    saving_lock_.release();
    if (project_lock_.held() && project_lock_.file() == storage::lock_file_of(master)) return true;
    return take_lock_to_save(saving_lock_, master, port_);
}

void MainWindow::adopt_saving_lock(const fs::path& master) {
    if (saving_lock_.held()) project_lock_ = std::move(saving_lock_);
    else if (project_lock_.file() != storage::lock_file_of(master)) project_lock_.release();
    read_only_ = false;
}

bool MainWindow::open_in_another_window(const fs::path& master) const {
    const fs::path lock_file = storage::lock_file_of(master);
    return project_lock_.file() != lock_file && storage::lock_held_elsewhere(lock_file);
}

}  // namespace vortan
