#include "project/program_settings.h"

#include "project/profile_file.h"
#include "project/small_file.h"
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
    visit("Offset_Listing_Only_After_Calc_CheckBox", s.Offset_Listing_Only_After_Calc_CheckBox);
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

// Text of a profile file holds no control bytes but TAB, CR, LF (and the
// end-of-file mark old editors leave); any other one is damage.
std::string damage_in(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n' && byte != 0x1A)
            return "It is damaged: byte " + std::to_string(i + 1) + " is not text.";
    }
    return "";
}

SettingsReading load_settings(const fs::path& file) {
    SettingsReading reading;
    SmallFile read = read_small_file(file, Settings_File_Most_Bytes);
    reading.problem = read.problem.empty() ? damage_in(read.bytes) : read.problem;
    if (!reading.problem.empty()) return reading;
    const ProfileFile profile = ProfileFile::parse(decode_file_text(read.bytes));
    if (!profile.has_section(Settings_Section) && read.bytes.find_first_not_of(" \t\r\n") != std::string::npos) {
        reading.problem = std::string("It is damaged: it has no [") + Settings_Section + "] section.";
        return reading;
    }
    for_each_key(reading.settings, KeyReader{profile});
    return reading;
}

}  // namespace

SettingsReading load_program_settings(const fs::path& file) {
    try {
        return load_settings(file);
    } catch (const std::exception& failure) {
        return {ProgramSettings{}, std::string("It cannot be read (") + failure.what() + ")."};
    }
}

ProgramSettings read_program_settings(const fs::path& file) { return load_program_settings(file).settings; }

std::string program_settings_text(const ProgramSettings& settings) {
    ProfileFile profile;
    for_each_key(settings, KeyWriter{profile});
    return profile.to_text();
}

std::string write_program_settings(const fs::path& file, const ProgramSettings& settings) {
    try {
        if (std::string obstacle = obstacle_to_writing(file); !obstacle.empty()) return obstacle;
        std::error_code error;
        if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), error);
        storage::SaveSet set;
        set.files.push_back({file, encode_file_text(program_settings_text(settings))});
        return storage::save_file_set(storage::system_file_system(), set);
    } catch (const std::exception& failure) {
        return std::string("It could not be written (") + failure.what() + ").";
    }
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
