// The files of a project: the master profile file "<base>.vtn" and the seven
// side files, one list each, and an eighth side file for stringing charts
// that only a project using them has.
#pragma once

#include "project/profile_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vortan {

inline constexpr const char* Master_Section = "vortan";
inline constexpr const char* Project_File_Filter = "Vortan Project File (*.vtn *.VTN)";
inline constexpr int Settings_Data_Format_Version = 1001;
inline constexpr int Span_Cable_Data_Format_Version = 1004;
// The setup editor's project texts and vertical-circle marks, which the master
// file keeps under these names.
inline constexpr const char* Project_Texts[] = {"Contract_Edit", "Contractor_Edit", "Transmission_Line_Edit"};
inline constexpr const char* Vertical_Circles[] = {"Zenith_RadioButton", "Nadir_RadioButton", "Altitude_RadioButton"};

struct SideFile {
    const char* extension;
    const char* list;          // the list control it holds
    bool main_window;          // the list lives on the main window (else the setup editor)
    const char* crc_key;       // its CRC in the master file
    const char* warning_name;  // its name in the integrity warning
    const char* holds;         // what it holds, as a user names it
    // Written only when its list has lines: a project that does not use it has
    // neither the file nor its CRC key, as before the file existed.
    bool only_when_used = false;
};

// In the order they are read, verified and written.
const std::vector<SideFile>& side_files();

// A folder as the program stores it: ending in the platform's separator.
std::string folder_with_separator(std::string folder);
// The folder a file lies in ("." for a bare name).
std::filesystem::path folder_of(const std::filesystem::path& file);

// True for a master-file name, which ends in ".vtn" (letter case ignored).
bool is_master_file_name(const std::filesystem::path& path);
// The side file of a master file, which an open reads and a save writes: its
// base name with the extension, found by exact name first, then as the one
// name in the folder that differs only in letter case (projects copied from
// Windows). Without either, the name a new file gets.
std::filesystem::path side_file_path(const std::filesystem::path& master, const std::string& extension);
// The name of a new side file: the base name with a lower-case extension.
std::filesystem::path side_file_to_write(const std::filesystem::path& master, const std::string& extension);
// Every file of the project that exists: the master and each side file in
// whatever letter case it has, but none that another master of the folder
// names exactly.
std::vector<std::filesystem::path> project_files_on_disk(const std::filesystem::path& master);

}  // namespace vortan
