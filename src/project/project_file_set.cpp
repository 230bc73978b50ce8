#include "project/project_file_set.h"

#include "project/text_compare.h"

namespace vortan {

namespace fs = std::filesystem;

const std::vector<SideFile>& side_files() {
    static const std::vector<SideFile> files = {
        {".spd", "Pole_Data_Listbox", true, "Pole_Data_CRC", "- Structure"},
        {".scb", "Cable_Bundle_Record_Listbox", true, "Cable_Bundle_Data_CRC", "- Cable Bundle"},
        {".sin", "Inspector_ListBox", false, "Inspector_Data_CRC", "- Inspector"},
        {".scp", "Cable_Positions_ListBox", false, "Cable_Positions_Data_CRC", "- Cable Positions"},
        {".sct", "Cable_Types_ListBox", false, "Cable_Types_Data_CRC", "- Cable Types"},
        {".scn", "Code_Name_ListBox", false, "Code_Name_Data_CRC", "- Code Name"},
        {".svc", "Valid_Combinations_ListBox", false, "Valid_Combinations_Data_CRC", "- Valid Combinations"},
    };
    return files;
}

std::string folder_with_separator(std::string folder) {
    if (!folder.empty() && folder.back() != fs::path::preferred_separator) folder += fs::path::preferred_separator;
    return folder;
}

bool is_master_file_name(const fs::path& path) { return same_ignoring_case(path.extension().string(), ".vtn"); }

fs::path side_file_to_write(const fs::path& master, const std::string& extension) {
    fs::path side = master;
    side.replace_extension(extension);
    return side;
}

fs::path side_file_path(const fs::path& master, const std::string& extension) {
    fs::path exact = side_file_to_write(master, extension);
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    fs::path folder = master.has_parent_path() ? master.parent_path() : fs::path(".");
    fs::path found;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (!same_ignoring_case(entry.path().filename().string(), exact.filename().string())) continue;
        if (!found.empty()) return exact;  // two spellings: neither is the one
        found = entry.path();
    }
    return found.empty() ? exact : found;
}

}  // namespace vortan
