// The program's own settings file ("vortan.ini"): window geometry, options,
// the project open at exit and the recent projects, kept between runs.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

namespace vortan {

inline constexpr const char* Settings_File_Name = "vortan.ini";
inline constexpr const char* Settings_Section = "vortan";

// The main window's normal bounds, frame included.
struct WindowBounds {
    int top = 10;
    int left = 10;
    int width = 713;
    int height = 551;
    bool operator==(const WindowBounds&) const = default;
};

// The setup editor's size as the user left it; zero: not yet opened, so it
// opens at a size that shows its largest page.
struct DialogSize {
    int width = 0;
    int height = 0;
    bool operator==(const DialogSize&) const = default;
};

// Every key of the settings file, with the value an absent key gives.
struct ProgramSettings {
    WindowBounds bounds;
    std::string Load_Save_Directory_Edit;  // empty: the default project folder
    bool Zenith_RadioButton = true;
    bool Nadir_RadioButton = false;
    bool Altitude_RadioButton = false;
    int Sort_Report_Data_RadioGroup = 0;
    bool Splash_Screen_Dont_Show_This_Again_CheckBox = false;
    bool Always_on_Top_Option = false;
    bool Reset_All_Input_Fields_CheckBox = true;
    bool Offset_Listing_Only_After_Calc_CheckBox = false;  // no offset listing while moving through the line
    std::string Load_Save_File_Edit;
    std::array<std::string, 5> Last_Used_File;
    int Units_of_Measure_RadioGroup = 0;
    int Tab_Style_RadioGroup = 0;
    bool WindowState_wsMaximized = false;
    std::string Sag_Tolerance_Percent = "1.5";  // as typed, with "." as the decimal point
    bool Show_Sag_Aids_Option = true;           // the Span Diagram and Checks dock is shown
    bool Line_Overview_Option = true;           // the Line Overview dock is shown
    DialogSize setup_editor;
    bool operator==(const ProgramSettings&) const = default;
};

// The most a settings file holds: its keys with every path at the longest a
// system allows fit in a tenth of it.
inline constexpr std::size_t Settings_File_Most_Bytes = 64 * 1024;

struct SettingsReading {
    ProgramSettings settings;
    std::string problem;  // why the file gave the defaults; empty when it was read or is missing
};

// A missing file or key gives the defaults above; so does a file that cannot
// be read, is a folder, too large or not text, with the reason. Never throws.
SettingsReading load_program_settings(const std::filesystem::path& file);
ProgramSettings read_program_settings(const std::filesystem::path& file);
// The file's text, keys in the order they are written at exit.
std::string program_settings_text(const ProgramSettings& settings);
// Writes through a temporary file; empty on success, otherwise what went
// wrong. A folder in the file's place stays as it is. Never throws.
std::string write_program_settings(const std::filesystem::path& file, const ProgramSettings& settings);

// Where the settings live: beside the program when a settings file already
// exists there and the folder can be written (a portable installation),
// otherwise in the user's configuration folder.
std::filesystem::path settings_file_location(const std::filesystem::path& program_folder,
                                             const std::filesystem::path& configuration_folder);

// Deletes the settings file, clearing a read-only mark first; false when it stays.
bool delete_program_settings(const std::filesystem::path& file);

}  // namespace vortan
