// The vertical circle: whatever the user clicks and whatever a settings or
// project file says, exactly one is chosen, and it is the one a save writes.
#include "setup/vertical_circle.h"

#include "calc/angle_entry.h"
#include "mainwindow/main_window.h"
#include "project/master_file.h"
#include "project/profile_file.h"
#include "project/program_settings.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace vortan {
namespace {

namespace fs = std::filesystem;

enum class Source { Settings, Project };

struct Case {
    const char* name;
    Source source;
    bool zenith, altitude, nadir;                         // what the file says
    std::vector<std::pair<const char*, bool>> clicks;     // then the user checks or unchecks
    VerticalCircle chosen;
};

const std::vector<Case> Cases = {
    {"settings with none", Source::Settings, false, false, false, {}, VerticalCircle::Zenith},
    {"settings with all three", Source::Settings, true, true, true, {}, VerticalCircle::Altitude},
    {"settings with Zenith and Nadir", Source::Settings, true, false, true, {}, VerticalCircle::Zenith},
    {"settings with Nadir, which the user clears", Source::Settings, false, false, true,
     {{"Nadir_RadioButton", false}}, VerticalCircle::Nadir},
    {"project with none", Source::Project, false, false, false, {}, VerticalCircle::Zenith},
    {"project with Zenith and Altitude", Source::Project, true, true, false, {}, VerticalCircle::Altitude},
    {"project with Nadir and Zenith", Source::Project, true, false, true, {}, VerticalCircle::Zenith},
    {"project with Nadir, then the user picks Altitude and clears it and Zenith", Source::Project, false,
     false, true, {{"Altitude_RadioButton", true}, {"Altitude_RadioButton", false}, {"Zenith_RadioButton", false}},
     VerticalCircle::Altitude},
};

int circles_chosen(const Form& setup) {
    int chosen = 0;
    for (const char* button : Circle_Buttons) chosen += setup.checked(button);
    return chosen;
}

TEST(VerticalCircleChoice, ExactlyOneIsChosenAndItIsTheOneSaved) {
    const fs::path folder = fs::temp_directory_path() / ("vortan-circle-" + std::to_string(::getpid()));
    const fs::path settings = folder / "vortan.ini";
    const fs::path master = folder / "line.vtn";
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (c.source == Source::Settings) {
            ProgramSettings given;
            given.Zenith_RadioButton = c.zenith;
            given.Altitude_RadioButton = c.altitude;
            given.Nadir_RadioButton = c.nadir;
            ASSERT_EQ(write_program_settings(settings, given), "");
        }
        ScriptedPort port;
        SetupEditor setup;
        MainWindow window(port, setup);
        window.set_places({settings, folder, ""});
        window.start();
        window.first_display({});
        window.form().set_text("Load_Save_File_Edit", master.string());
        if (c.source == Source::Project) {
            ASSERT_TRUE(window.save_project());
            ProfileFile profile = ProfileFile::read(master);
            profile.set("vortan", "Zenith_RadioButton", c.zenith ? "1" : "0");
            profile.set("vortan", "Altitude_RadioButton", c.altitude ? "1" : "0");
            profile.set("vortan", "Nadir_RadioButton", c.nadir ? "1" : "0");
            std::ofstream(master, std::ios::binary) << master_file_bytes(profile);
            window.read_project();
        }
        EXPECT_EQ(circles_chosen(setup.form()), 1) << "after the load";
        for (const auto& [button, checked] : c.clicks) {
            setup.form().user_check(button, checked);
            EXPECT_EQ(circles_chosen(setup.form()), 1) << button << " " << checked;
        }
        EXPECT_EQ(vertical_circle(setup.form()), c.chosen);
        ASSERT_TRUE(window.save_project());
        const ProfileFile saved = ProfileFile::read(master);
        for (const char* button : Circle_Buttons)
            EXPECT_EQ(saved.text("vortan", button), vertical_circle_name(setup.form()) + "_RadioButton" == button ? "1" : "0")
                << button;
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vortan
