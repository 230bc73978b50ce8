// The settings across runs: read at the first display, written at exit,
// restored to the factory state.
#include "project/program_settings.h"
#include "project/setup_lists.h"
#include "support/main_window_fixture.h"

#include <unistd.h>

#include <fstream>
#include <functional>
#include <random>

namespace vortan {
namespace {

namespace fs = std::filesystem;

class ProgramSettingsWindow : public testing::MainWindowTest {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-run-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder / "documents");
        window.set_places(places());
        setup.form().set_items(setup_list::Structure_Types, {"Tower"});
        setup.form().set_items(setup_list::Cable_Positions, {"Top"});
        window.start();
    }
    void TearDown() override { fs::remove_all(folder); }

    ProgramPlaces places() { return {folder / "vortan.ini", folder / "documents", ""}; }
    fs::path settings_file() { return folder / "vortan.ini"; }
    std::string documents() { return (folder / "documents").string() + "/"; }
    void given_saved_project(const fs::path& master) {
        given_header("T1", "T2", "300");
        form().user_click("Commit_Span_Changes_BitBtn");
        port.queue_files({master});
        form().user_click("Save_BitBtn");
    }

    // The next run of the program, on the same settings file.
    struct NextRun {
        explicit NextRun(const ProgramPlaces& places, const std::vector<std::string>& arguments = {})
            : window(port, setup) {
            window.set_places(places);
            window.start();
            window.first_display(arguments);
        }
        ScriptedPort port;
        SetupEditor setup;
        MainWindow window;
    };

    fs::path folder;
};

TEST_F(ProgramSettingsWindow, FirstRunTakesEveryDefault) {
    window.first_display({});
    EXPECT_EQ(window.window_bounds(), (WindowBounds{10, 10, 713, 551}));
    EXPECT_EQ(text("Load_Save_Directory_Edit"), documents());
    EXPECT_TRUE(setup.form().checked("Zenith_RadioButton"));
    EXPECT_TRUE(setup.form().checked("Reset_All_Input_Fields_CheckBox"));
    EXPECT_FALSE(flag("Is_App_Maximised_CheckBox"));
    EXPECT_FALSE(form().control("Last_Used_File_1").visible);
    EXPECT_FALSE(form().control("Last_Used_File_Separator").visible);
    EXPECT_EQ(text("Theodolite_Type_Edit"), "Zenith");
    EXPECT_FALSE(flag("Data_Changed_Since_Load_CheckBox"));
}

TEST_F(ProgramSettingsWindow, AMaximizedWindowComesBackMaximizedWithItsNormalBounds) {
    window.first_display({});
    window.set_window_state({40, 50, 900, 700}, /*maximized=*/true);
    setup.form().user_check("Nadir_RadioButton", true);
    setup.form().set_item_index("Tab_Style_RadioGroup", 1);
    ASSERT_TRUE(window.exit_requested());
    EXPECT_EQ(ProfileFile::read(settings_file()).text("vortan", "WindowState_wsMaximized"), "1");

    NextRun next(places());
    EXPECT_EQ(next.window.window_bounds(), (WindowBounds{40, 50, 900, 700}));
    EXPECT_TRUE(next.window.form().checked("Is_App_Maximised_CheckBox"));
    EXPECT_TRUE(next.setup.form().checked("Nadir_RadioButton"));
    EXPECT_FALSE(next.setup.form().checked("Zenith_RadioButton"));
    EXPECT_EQ(next.window.form().text("Theodolite_Type_Edit"), "Nadir");
    // The tab style reaches the main window's page controls too.
    EXPECT_EQ(next.window.form().value("Calc_Method_PageControl"), 1);
}

TEST_F(ProgramSettingsWindow, ExitQuestionDecidesWhatIsSavedAndWhetherTheProgramCloses) {
    struct Case {
        Answer answer;
        bool closes;
        bool settings_written;
    };
    for (const Case& c : {Case{Answer::Cancel, false, false}, Case{Answer::No, true, true}}) {
        fs::remove(settings_file());
        window.first_display({});
        type("Contract_Edit", c.closes ? "changed to close" : "changed to stay");
        ASSERT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));
        port.queue_answer(c.answer);
        EXPECT_EQ(window.exit_requested(), c.closes);
        EXPECT_EQ(messages().back(), "Warning : Save changed data before exiting ?");
        EXPECT_EQ(fs::exists(settings_file()), c.settings_written);
    }
    // Yes whose save is cancelled keeps the program running, settings written,
    // also when an earlier step left the mark of a save behind.
    fs::remove(settings_file());
    form().set_checked("User_Saved_Data_When_Prompted_CheckBox", true);
    port.queue_answer(Answer::Yes);
    port.queue_files({});
    EXPECT_FALSE(window.exit_requested());
    EXPECT_TRUE(fs::exists(settings_file()));
}

TEST_F(ProgramSettingsWindow, TheProjectOpenAtExitOpensAgainWithoutArguments) {
    window.first_display({});
    const fs::path master = folder / "Line North.vtn";  // capitals and a blank stay as they are
    given_saved_project(master);
    ASSERT_TRUE(window.exit_requested());

    NextRun next(places());
    EXPECT_EQ(next.window.form().text("Load_Save_File_Edit"), master.string());
    EXPECT_EQ(next.window.form().items("Pole_Data_Listbox").size(), 1u);
    EXPECT_EQ(next.window.form().control("Last_Used_File_1").caption, master.string());
    EXPECT_TRUE(next.window.form().control("Last_Used_File_1").visible);
    EXPECT_EQ(next.window.form().text("Load_Save_Directory_Edit"), folder.string() + "/");
    EXPECT_TRUE(next.port.messages().empty());

    // A command-line project wins over the remembered one.
    NextRun named(places(), {(folder / "missing.spd").string()});
    EXPECT_EQ(named.port.messages().back(),
              "Error : The Project :\n\r\n\r" + (folder / "missing.vtn").string() + "\n\r\n\rdoes NOT Exist !");
    EXPECT_TRUE(named.window.form().items("Pole_Data_Listbox").empty());
}

TEST_F(ProgramSettingsWindow, ARecentProjectThatHasGoneIsReportedAndStaysListed) {
    std::ofstream(settings_file(), std::ios::binary)
        << "[vortan]\r\nLast_Used_File_1=" << (folder / "gone.vtn").string() << "\r\nLoad_Save_Directory_Edit=/no/such/\r\n";
    window.first_display({});
    EXPECT_EQ(text("Load_Save_Directory_Edit"), documents());
    form().user_click("Last_Used_File_1");
    EXPECT_NE(messages().back().find("does NOT Exist !"), std::string::npos);
    EXPECT_EQ(form().control("Last_Used_File_1").caption, (folder / "gone.vtn").string());
}

TEST_F(ProgramSettingsWindow, RestoreFactoryDefaultsErasesEverythingButTheProjectsOnDisk) {
    window.first_display({});
    const fs::path master = folder / "line.vtn";
    given_saved_project(master);
    window.set_window_state({40, 50, 900, 700}, false);
    setup.form().user_check("Altitude_RadioButton", true);
    ASSERT_TRUE(window.exit_requested());
    ASSERT_TRUE(fs::exists(settings_file()));

    NextRun next(places(), {master.string()});
    ASSERT_EQ(next.window.form().items("Pole_Data_Listbox").size(), 1u);
    next.port.queue_answer(Answer::Cancel);
    next.window.form().user_click("Restore_Factory_Defaults_Option");
    EXPECT_TRUE(fs::exists(settings_file()));
    EXPECT_EQ(next.window.form().items("Pole_Data_Listbox").size(), 1u);

    next.port.queue_answer(Answer::Yes);
    next.window.form().user_click("Restore_Factory_Defaults_Option");
    EXPECT_FALSE(fs::exists(settings_file()));
    EXPECT_TRUE(fs::exists(master));
    const Form& main = next.window.form();
    // The command-line project is not opened again.
    EXPECT_TRUE(main.items("Pole_Data_Listbox").empty());
    EXPECT_TRUE(next.setup.form().items(setup_list::Structure_Types).empty());
    EXPECT_FALSE(main.control("Last_Used_File_1").visible);
    EXPECT_EQ(main.control("Last_Used_File_1").caption, "");
    EXPECT_EQ(next.window.window_bounds(), (WindowBounds{10, 10, 713, 551}));
    EXPECT_TRUE(next.setup.form().checked("Zenith_RadioButton"));
    EXPECT_EQ(main.text("Theodolite_Type_Edit"), "Zenith");
    EXPECT_FALSE(main.checked("Data_Changed_Since_Load_CheckBox"));
    EXPECT_EQ(next.window.window_caption(), "Vortan");
}

TEST_F(ProgramSettingsWindow, AlwaysOnTopTogglesItsMarkAndTheStacking) {
    std::vector<bool> stacking;
    window.on_stay_on_top = [&](bool on_top) { stacking.push_back(on_top); };
    form().user_click("Always_on_Top_Option");
    form().user_click("Always_on_Top_Option");
    EXPECT_EQ(stacking, (std::vector<bool>{true, false}));
    EXPECT_FALSE(flag("Always_on_Top_Option"));
}

// The aids dock and the tolerance come back as they were left.
TEST_F(ProgramSettingsWindow, TheAidsDockAndTheToleranceAreKept) {
    window.first_display({});
    EXPECT_TRUE(form().control("Sag_Aids_Panel").visible);
    form().user_click("Show_Sag_Aids_Option");
    setup.form().set_text("Sag_Tolerance_Percent_Edit", "2.5");
    ASSERT_TRUE(window.exit_requested());
    NextRun next(places());
    EXPECT_FALSE(next.window.form().control("Sag_Aids_Panel").visible);
    EXPECT_FALSE(next.window.form().checked("Show_Sag_Aids_Option"));
    EXPECT_EQ(next.setup.form().text("Sag_Tolerance_Percent_Edit"), "2.5");
}

// A settings file that cannot serve gives the defaults and one warning naming
// it at start; one that cannot be written gives one warning at exit; nothing
// is thrown, and what stood in the file's place is left as it was.
TEST_F(ProgramSettingsWindow, ASettingsFileThatCannotServeGivesTheDefaultsAndOneWarning) {
#ifdef _WIN32
    const bool chmod_ignored = true;  // permissions there are a read-only mark
#else
    const bool chmod_ignored = ::geteuid() == 0;
#endif
    auto write = [](const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; };
    std::mt19937 seeded(20261210);
    std::string garbage(4096, '\0');
    for (char& byte : garbage) byte = static_cast<char>(seeded());
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path& folder)> make;  // the settings file it leaves
        const char* at_start;                                 // part of the start warning; "" for none
        const char* at_exit;                                  // part of the exit warning; "" for none
        bool needs_user = false;                              // chmod means nothing to root
    };
    const Case cases[] = {
        {"a folder",
         [](const fs::path& f) {
             fs::create_directories(f / "vortan.ini" / "kept");
             return f / "vortan.ini";
         },
         "It is a folder, not a file.", "It is a folder, not a file."},
        {"a link to itself",
         [](const fs::path& f) {
             std::error_code refused;  // links need rights of their own on Windows
             fs::create_symlink("vortan.ini", f / "vortan.ini", refused);
             return refused ? fs::path() : f / "vortan.ini";
         },
         "It cannot be read (", ""},  // the exit writes a file in the link's place, which the next start reads
        {"a NUL among its keys",
         [&](const fs::path& f) {
             write(f / "vortan.ini", std::string("[vortan]\r\nwindow_Width=900\0\r\n", 29));
             return f / "vortan.ini";
         },
         "It is damaged: byte 27 is not text.", ""},
        {"binary garbage",
         [&](const fs::path& f) {
             write(f / "vortan.ini", garbage);
             return f / "vortan.ini";
         },
         "It is damaged: byte ", ""},
        {"text of another kind",
         [&](const fs::path& f) {
             write(f / "vortan.ini", "window_Width=900\r\n");
             return f / "vortan.ini";
         },
         "It is damaged: it has no [vortan] section.", ""},
        {"a gigabyte (sparse)",
         [](const fs::path& f) {
             std::ofstream(f / "vortan.ini", std::ios::binary) << "[vortan]\r\nwindow_Width=900\r\n";
             fs::resize_file(f / "vortan.ini", std::uintmax_t{1} << 30);
             return f / "vortan.ini";
         },
         "It holds 1073741824 bytes; a file of this kind never holds more than 65536.", ""},
        {"unreadable",
         [&](const fs::path& f) {
             write(f / "vortan.ini", "[vortan]\r\nwindow_Width=900\r\n");
             fs::permissions(f / "vortan.ini", fs::perms::none);
             return f / "vortan.ini";
         },
         "It cannot be read (", "", true},
        {"in a folder that is a file",
         [&](const fs::path& f) {
             write(f / "plain", "");
             return f / "plain" / "vortan.ini";
         },
         "", "could not be written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needs_user && chmod_ignored) continue;
        const fs::path place = folder / "case";
        fs::remove_all(place);
        fs::create_directories(place / "documents");
        const fs::path file = c.make(place);
        if (file.empty()) continue;
        ScriptedPort run_port;
        SetupEditor run_setup;
        MainWindow run(run_port, run_setup);
        run.set_places({file, place / "documents", ""});
        run.start();
        run.first_display({});
        EXPECT_EQ(run.window_bounds(), WindowBounds{});
        const auto started = run_port.messages();
        ASSERT_EQ(started.size(), *c.at_start ? 1u : 0u) << (started.empty() ? "" : started.back());
        if (*c.at_start) {
            EXPECT_TRUE(started[0].starts_with("Warning : The program settings file\n\r\n\r" + file.string() +
                                               "\n\r\n\rcould not be used.  "))
                << started[0];
            EXPECT_NE(started[0].find(c.at_start), std::string::npos) << started[0];
        }
        ASSERT_TRUE(run.exit_requested());
        const auto exited = run_port.messages();
        ASSERT_EQ(exited.size(), started.size() + (*c.at_exit ? 1u : 0u)) << exited.back();
        if (*c.at_exit) {
            EXPECT_TRUE(exited.back().starts_with("Warning : The program settings could not be kept in the file\n\r\n\r" +
                                                  file.string()))
                << exited.back();
            EXPECT_NE(exited.back().find(c.at_exit), std::string::npos) << exited.back();
        }
        std::error_code looped;
        if (fs::is_directory(file, looped)) {
            EXPECT_TRUE(fs::is_directory(file / "kept"));
        } else if (!*c.at_exit) {
            EXPECT_EQ(load_program_settings(file).problem, "");  // the next start reads it
        }
    }
}

}  // namespace
}  // namespace vortan
