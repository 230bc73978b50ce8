// The settings file on its own: defaults, the written text, and where it lives.
#include "project/program_settings.h"
#include "shell/command_line_project.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace vortan {
namespace {

namespace fs = std::filesystem;

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-settings-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    void write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    fs::path folder;
};

TEST_F(SettingsFolder, AbsentFileAndAbsentKeysGiveTheDefaults) {
    EXPECT_EQ(read_program_settings(folder / "none.ini"), ProgramSettings{});
    write(folder / "vortan.ini", "[vortan]\r\nwindow_Width=900\r\nNadir_RadioButton=2\r\nwindow_Height=tall\r\n");
    ProgramSettings expected;
    expected.bounds.width = 900;
    expected.Nadir_RadioButton = true;  // any non-zero value
    EXPECT_EQ(read_program_settings(folder / "vortan.ini"), expected);
}

TEST_F(SettingsFolder, WrittenTextHoldsEveryKeyInOrderAndReadsBack) {
    ProgramSettings s;
    s.bounds = {20, 30, 800, 600};
    s.Load_Save_Directory_Edit = "/home/crew/c:\\new\\table\\";  // no escapes either way
    s.Last_Used_File = {"/p/Line A.vtn", "", "", "", "/p/\xC3\xA9t\xC3\xA9.vtn"};
    s.WindowState_wsMaximized = true;
    s.Tab_Style_RadioGroup = 2;
    s.Sag_Tolerance_Percent = "2.5";
    s.Show_Sag_Aids_Option = false;
    s.setup_editor = {700, 480};
    s.Offset_Listing_Only_After_Calc_CheckBox = true;
    EXPECT_EQ(program_settings_text(s),
              "[vortan]\r\nwindow_top_posn=20\r\nwindow_left_posn=30\r\nwindow_Width=800\r\nwindow_Height=600\r\n"
              "Load_Save_Directory_Edit=/home/crew/c:\\new\\table\\\r\nZenith_RadioButton=1\r\n"
              "Nadir_RadioButton=0\r\nAltitude_RadioButton=0\r\nSort_Report_Data_RadioGroup=0\r\n"
              "Splash_Screen_Dont_Show_This_Again_CheckBox=0\r\nAlways_on_Top_Option=0\r\n"
              "Reset_All_Input_Fields_CheckBox=1\r\nLoad_Save_File_Edit=\r\nLast_Used_File_1=/p/Line A.vtn\r\n"
              "Last_Used_File_2=\r\nLast_Used_File_3=\r\nLast_Used_File_4=\r\n"
              "Last_Used_File_5=/p/\xC3\xA9t\xC3\xA9.vtn\r\nUnits_of_Measure_RadioGroup=0\r\n"
              "Tab_Style_RadioGroup=2\r\nWindowState_wsMaximized=1\r\n"
              // Keys of later versions come after the keys every version writes.
              "Sag_Tolerance_Percent=2.5\r\nShow_Sag_Aids_Option=0\r\nLine_Overview_Option=1\r\n"
              "Setup_Editor_Width=700\r\nSetup_Editor_Height=480\r\nOffset_Listing_Only_After_Calc_CheckBox=1\r\n");
    const fs::path file = folder / "sub" / "vortan.ini";
    ASSERT_EQ(write_program_settings(file, s), "");
    EXPECT_EQ(read_program_settings(file), s);
}

TEST_F(SettingsFolder, SettingsLiveBesideTheProgramOnlyWhenAlreadyThereAndWritable) {
    const fs::path program = folder / "bin";
    const fs::path config = folder / "config";
    fs::create_directories(program);
    EXPECT_EQ(settings_file_location(program, config), config / "vortan.ini");
    write(program / "vortan.ini", "");
    EXPECT_EQ(settings_file_location(program, config), program / "vortan.ini");
    if (::geteuid() != 0) {  // the superuser may write anywhere
        fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(settings_file_location(program, config), config / "vortan.ini");
    }
}

TEST_F(SettingsFolder, DeletingTheSettingsClearsAReadOnlyMarkFirst) {
    const fs::path file = folder / "vortan.ini";
    write(file, "[vortan]\r\n");
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(delete_program_settings(file));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(delete_program_settings(file));  // nothing left to delete
}

TEST_F(SettingsFolder, CommandLineNamesOneMasterFile) {
    fs::create_directories(folder / "my projects");
    write(folder / "my projects" / "line a.spd", "");
    struct Case {
        std::vector<std::string> arguments;
        fs::path expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{"line.spd"}, folder / "line.vtn"},
        {{"/data/Line.Two.VTN"}, "/data/Line.Two.vtn"},
        {{"/data/my.projects/line"}, "/data/my.projects/line.vtn"},
        // Split at its blanks by the system: joined again because the joined name exists.
        {{(folder / "my").string(), "projects/line", "a.spd"}, folder / "my projects" / "line a.vtn"},
        {{"first.vtn", "second.vtn"}, folder / "first.vtn"},
        {{"  "}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(command_line_project(c.arguments, folder), c.expected);
}

}  // namespace
}  // namespace vortan
