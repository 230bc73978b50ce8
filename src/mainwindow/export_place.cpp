#include "mainwindow/export_place.h"

namespace vortan {

std::filesystem::path export_folder(const Form& main_window) {
    const std::string master = main_window.text("Load_Save_File_Edit");
    if (master.empty()) return {};
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(master, error).parent_path();
    if (error || !std::filesystem::is_directory(folder, error)) return {};
    return folder;
}

void note_export(Form& main_window, const std::string& path) {
    main_window.set_text("Status_Bar_Panel", "Written: " + path);
}

}  // namespace vortan
