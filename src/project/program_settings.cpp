#include "project/program_settings.h"

#include "project/profile_file.h"
#include "project/text_codec.h"
#include "storage/save_transaction.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vortan {

namespace fs = std::filesystem;

namespace {

// The keys in the order they are written, each bound to its member.
template <typename Settings, typename Visit>
void for_each_key(Settings& s, Visit&& visit) {
    visit("window_top_posn", s.bounds.top);
    visit("window_left_posn", s.bounds.left);
    visit("window_Width", s.bounds.width);
    visit("window_Height", s.bounds.height);
    visit("Load_Save_Directory_Edit", s.Load_Save_Directory_Edit);
    visit("Zenith_RadioButton", s.Zenith_RadioButton);
    visit("Nadir_RadioButton", s.Nadir_RadioButton);
    visit("Altitude_RadioButton", s.Altitude_RadioButton);
    visit("Sort_Report_Data_RadioGroup", s.Sort_Report_Data_RadioGroup);
    visit("Splash_Screen_Dont_Show_This_Again_CheckBox", s.Splash_Screen_Dont_Show_This_Again_CheckBox);
    visit("Always_on_Top_Option", s.Always_on_Top_Option);
    visit("Reset_All_Input_Fields_CheckBox", s.Reset_All_Input_Fields_CheckBox);
    visit("Load_Save_File_Edit", s.Load_Save_File_Edit);
    for (size_t n = 0; n < s.Last_Used_File.size(); ++n)
        visit("Last_Used_File_" + std::to_string(n + 1), s.Last_Used_File[n]);
    visit("Units_of_Measure_RadioGroup", s.Units_of_Measure_RadioGroup);
    visit("Tab_Style_RadioGroup", s.Tab_Style_RadioGroup);
    visit("WindowState_wsMaximized", s.WindowState_wsMaximized);
    visit("Sag_Tolerance_Percent", s.Sag_Tolerance_Percent);
    visit("Show_Sag_Aids_Option", s.Show_Sag_Aids_Option);
    visit("Line_Overview_Option", s.Line_Overview_Option);
    visit("Setup_Editor_Width", s.setup_editor.width);
    visit("Setup_Editor_Height", s.setup_editor.height);
}

struct KeyReader {
    const ProfileFile& profile;
    void operator()(const std::string& key, int& value) const {
        value = profile.integer(Settings_Section, key, value);
    }
    // Booleans are stored as integers: any non-zero value is true.
    void operator()(const std::string& key, bool& value) const {
        value = profile.integer(Settings_Section, key, value ? 1 : 0) != 0;
    }
    void operator()(const std::string& key, std::string& value) const {
        value = profile.text(Settings_Section, key, value);
    }
};

struct KeyWriter {
    ProfileFile& profile;
    void operator()(const std::string& key, int value) const {
        profile.set(Settings_Section, key, std::to_string(value));
    }
    void operator()(const std::string& key, bool value) const { profile.set(Settings_Section, key, value ? "1" : "0"); }
    void operator()(const std::string& key, const std::string& value) const {
        profile.set(Settings_Section, key, value);
    }
};

bool folder_is_writable(const fs::path& folder) {
#ifdef _WIN32
    return ::_waccess(folder.c_str(), 2) == 0;
#else
    return ::access(folder.c_str(), W_OK) == 0;
#endif
}

}  // namespace

ProgramSettings read_program_settings(const fs::path& file) {
    const ProfileFile profile = ProfileFile::read(file);
    ProgramSettings settings;
    for_each_key(settings, KeyReader{profile});
    return settings;
}

std::string program_settings_text(const ProgramSettings& settings) {
    ProfileFile profile;
    for_each_key(settings, KeyWriter{profile});
    return profile.to_text();
}

std::string write_program_settings(const fs::path& file, const ProgramSettings& settings) {
    std::error_code error;
    if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), error);
    storage::SaveSet set;
    set.files.push_back({file, encode_file_text(program_settings_text(settings))});
    return storage::save_file_set(storage::system_file_system(), set);
}

fs::path settings_file_location(const fs::path& program_folder, const fs::path& configuration_folder) {
    const fs::path beside_program = program_folder / Settings_File_Name;
    std::error_code error;
    if (fs::is_regular_file(beside_program, error) && folder_is_writable(program_folder)) return beside_program;
    return configuration_folder / Settings_File_Name;
}

bool delete_program_settings(const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error)) return true;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
    return fs::remove(file, error);
}

}  // namespace vortan
