#include "project/project_file_set.h"

#include "project/text_compare.h"

#include <set>

namespace vortan {

namespace fs = std::filesystem;

const std::vector<SideFile>& side_files() {
    static const std::vector<SideFile> files = {
        {".spd", "Pole_Data_Listbox", true, "Pole_Data_CRC", "- Structure", "sag-spans"},
        {".scb", "Cable_Bundle_Record_Listbox", true, "Cable_Bundle_Data_CRC", "- Cable Bundle", "cable sags"},
        {".sin", "Inspector_ListBox", false, "Inspector_Data_CRC", "- Inspector", "inspectors"},
        {".scp", "Cable_Positions_ListBox", false, "Cable_Positions_Data_CRC", "- Cable Positions", "cable positions"},
        {".sct", "Cable_Types_ListBox", false, "Cable_Types_Data_CRC", "- Cable Types", "structure types"},
        {".scn", "Code_Name_ListBox", false, "Code_Name_Data_CRC", "- Code Name", "cable code names"},
        {".svc", "Valid_Combinations_ListBox", false, "Valid_Combinations_Data_CRC", "- Valid Combinations", "valid combinations"},
        {".sst", "Stringing_Data_Listbox", true, "Stringing_Data_CRC", "- Stringing Data", "stringing chart data", true},
    };
    return files;
}

std::string folder_with_separator(std::string folder) {
    if (!folder.empty() && folder.back() != fs::path::preferred_separator) folder += fs::path::preferred_separator;
    return folder;
}

fs::path folder_of(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

bool is_master_file_name(const fs::path& path) { return same_ignoring_case(path.extension().string(), ".vtn"); }

fs::path side_file_to_write(const fs::path& master, const std::string& extension) {
    fs::path side = master;
    side.replace_extension(extension);
    return side;
}

namespace {

// The files of the folder named `wanted` but for letter case, leaving out any
// whose base name differs from the master's and is exactly another master
// file's: those belong to that project (two names that differ only in case).
std::vector<fs::path> case_variants(const fs::path& master, const fs::path& wanted) {
    const fs::path folder = folder_of(master);
    std::vector<fs::path> variants;
    std::set<fs::path> master_stems;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const fs::path& path = entry.path();
        if (same_ignoring_case(path.filename().string(), wanted.filename().string())) variants.push_back(path);
        if (is_master_file_name(path)) master_stems.insert(path.stem());
    }
    std::erase_if(variants, [&](const fs::path& variant) {
        return variant.stem() != master.stem() && master_stems.count(variant.stem()) != 0;
    });
    return variants;
}

}  // namespace

fs::path side_file_path(const fs::path& master, const std::string& extension) {
    fs::path exact = side_file_to_write(master, extension);
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    std::vector<fs::path> variants = case_variants(master, exact);
    return variants.size() == 1 ? variants.front() : exact;  // two spellings: neither is the one
}

std::vector<fs::path> project_files_on_disk(const fs::path& master) {
    std::vector<fs::path> files;
    std::error_code error;
    if (fs::exists(master, error)) files.push_back(master);
    for (const SideFile& side : side_files())
        for (const fs::path& file : case_variants(master, side_file_to_write(master, side.extension)))
            files.push_back(file);
    return files;
}

}  // namespace vortan
