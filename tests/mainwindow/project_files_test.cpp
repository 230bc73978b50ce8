// Saving a project and opening it again, and the checks an open makes.
#include "project/master_file.h"
#include "project/crc32.h"
#include "project/profile_file.h"
#include "project/record_fields.h"
#include "project/setup_lists.h"
#include "project/side_file.h"
#include "project/text_compare.h"
#include "storage/project_lock.h"
#include "support/main_window_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

namespace vortan {
namespace {

namespace fs = std::filesystem;

class ProjectFiles : public testing::MainWindowTest {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-project-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Tower"});
        s.set_items(setup_list::Cable_Positions, {"Top \xC2\xB0"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t"});
        s.set_text("Contract_Edit", "C-17");
        window.start();
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path master() { return folder / "line.vtn"; }
    void given_saved_project() {
        given_header("T1", "T2", "300");
        given_schedule();
        given_method_page(8);
        type("Swing_Number_of_Swings_Edit", "5");
        form().user_click("Commit_Cable_Bundle_Changes_BitBtn");
        form().user_click("Commit_Span_Changes_BitBtn");
        port.queue_files({master()});
        form().user_click("Save_BitBtn");
    }
    void open(const fs::path& file) { window.open_project(file.string()); }
    std::string text_of_span_length() { return text("Span_Length_Edit"); }
    void overwrite(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    ProfileFile master_profile() { return ProfileFile::read(master()); }
    std::set<std::string> names_on_disk() {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
        return names;
    }
    // The folder emptied, then these files written with the bytes `saved`
    // holds for their extension (in lower case).
    template <typename Names>
    void lay_out(const Names& names, std::map<std::string, std::string>& saved) {
        for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
        for (const std::string& name : names) {
            std::string extension = fs::path(name).extension().string();
            std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
            overwrite(folder / name, saved[extension]);
        }
    }

    fs::path folder;
};

TEST_F(ProjectFiles, SavedProjectOpensAgainWithoutWarning) {
    given_saved_project();
    EXPECT_TRUE(fs::exists(folder / "line.spd"));
    EXPECT_EQ(read(folder / "line.spd"), "1\tT1\tT2\t300\t-1\t\r\n");
    EXPECT_EQ(read(folder / "line.scp"), "Top \xB0\r\n");  // Windows-1252 on disk
    EXPECT_EQ(master_profile().text("vortan", "Pole_Data_CRC"), file_crc(folder / "line.spd"));
    EXPECT_EQ(master_profile().text("vortan", "Inspector_Data_CRC"), "0");
    EXPECT_EQ(master_profile().text("vortan", "Zenith_RadioButton"), "1");
    EXPECT_FALSE(flag("Data_Changed_Since_Load_CheckBox"));
    EXPECT_TRUE(flag("User_Saved_Data_When_Prompted_CheckBox"));
    EXPECT_EQ(form().control("Last_Used_File_1").caption, master().string());

    form().user_click("New_Option");
    EXPECT_TRUE(form().items("Pole_Data_Listbox").empty());
    EXPECT_EQ(window.window_caption(), "Vortan");  // no project is open to name
    port.clear_transcript();
    open(master());
    EXPECT_TRUE(port.transcript().empty());
    EXPECT_EQ(form().items("Pole_Data_Listbox").size(), 1u);
    EXPECT_EQ(setup.form().items(setup_list::Cable_Positions)[0], "Top \xC2\xB0");
    EXPECT_EQ(text("Contract_Edit"), "C-17");
    EXPECT_EQ(text("From_Tower_Edit"), "T1");
    EXPECT_EQ(text("Swing_Required_Time_Edit"), "27.7");
    EXPECT_EQ(window.window_caption(), "Vortan 3.3 - line");
    EXPECT_FALSE(flag("Data_Changed_Since_Load_CheckBox"));
}

// The stringing data's side file and CRC key exist only while the project
// uses them: without them every file is what it was before they existed.
TEST_F(ProjectFiles, StringingDataComesAndGoesWithItsOwnFileAndKey) {
    given_saved_project();
    const fs::path stringing = folder / "line.sst";
    std::map<std::string, std::string> plain;
    for (const auto& entry : fs::directory_iterator(folder)) plain[entry.path().filename().string()] = read(entry.path());
    EXPECT_FALSE(fs::exists(stringing));
    EXPECT_EQ(plain["line.vtn"].find("Stringing_Data_CRC"), std::string::npos);

    stringing::StringingData data;
    data.set_strain("T2", true);
    window.set_stringing_data(data);
    form().user_click("Save_BitBtn");
    ASSERT_TRUE(fs::exists(stringing));
    EXPECT_EQ(master_profile().text("vortan", "Stringing_Data_CRC"), file_crc(stringing));
    open(master());
    EXPECT_TRUE(window.stringing_data().is_strain("T2"));
    EXPECT_TRUE(port.messages().empty());

    window.set_stringing_data({});
    form().user_click("Save_BitBtn");
    std::map<std::string, std::string> again;
    for (const auto& entry : fs::directory_iterator(folder)) again[entry.path().filename().string()] = read(entry.path());
    EXPECT_EQ(again, plain);
}

TEST_F(ProjectFiles, DamagedSideFilesAreNamedWithWhatIsWrongAndTheTitleSaysSoUntilSaved) {
    const std::string question_end =
        "\n\rLoading corrupted data may cause this program to crash or behave strangely. \n\r\n\rDo you want to "
        "attempt to load the data anyway and risk this ?";
    struct Case {
        const char* file;
        const char* bytes;  // none: the file is removed
        const char* listed;
        const char* after_yes;  // the message that follows a Yes, if any
    } cases[] = {
        {"line.spd", "1\tT1\tT2\t301\t-1\t\r\n",
         "\t- Structure (sag-spans): line.spd was changed outside this program: it does not match the check kept in "
         "line.vtn.  Restore it from a copy of the project, or load it and check its sag-spans.\n\r",
         nullptr},
        {"line.scb", nullptr,
         "\t- Cable Bundle (cable sags): line.scb is missing, so its cable sags are not loaded.  Restore it from a "
         "copy of the project.\n\r",
         nullptr},
        {"line.spd", "",
         "\t- Structure (sag-spans): line.spd is empty, so its sag-spans are not loaded.  Restore it from a copy of "
         "the project.\n\r",
         "Warning : 1 Cable Sag(s) of this project cannot be shown: their Sag-Span is not in the sag-span file "
         "line.spd, which may have been cut short.\n\r\n\rThey are kept with the project.  Restore the sag-span "
         "file from a copy of the project to reach them again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listed);
        given_saved_project();
        if (c.bytes) overwrite(folder / c.file, c.bytes);
        else fs::remove(folder / c.file);
        const std::string question =
            "Warning: The following data has been modified or tampered with outside of this program and may now be "
            "corrupt : \n\r" + std::string(c.listed) + question_end;
        // No: the project on screen stays as it was.
        port.clear_transcript();
        port.queue_answer(Answer::No);
        open(master());
        ASSERT_EQ(port.messages(), std::vector<std::string>{question});
        EXPECT_EQ(form().items("Pole_Data_Listbox"), std::vector<std::string>{"1\tT1\tT2\t300\t-1\t"});
        // Yes: loaded, and the title says so until the project is saved.
        port.clear_transcript();
        port.queue_answer(Answer::Yes);
        open(master());
        std::vector<std::string> expected{question};
        if (c.after_yes) expected.push_back(c.after_yes);
        EXPECT_EQ(port.messages(), expected);
        EXPECT_EQ(window.window_caption(), "Vortan 3.3 - line (opened with damaged files)");
        if (c.after_yes) port.queue_answer(Answer::Yes);  // the cable sags of no sag-span are dropped
        form().user_click("Save_BitBtn");
        EXPECT_EQ(window.window_caption(), "Vortan 3.3 - line");
    }
}

TEST_F(ProjectFiles, MissingCrcKeyAndEmptyFileWithZeroOpenQuietly) {
    given_saved_project();
    overwrite(folder / "line.spd", "1\tT1\tT2\t301\t-1\t\r\n");
    overwrite(folder / "line.scb", "");
    std::string text = read(master());
    size_t at = text.find("Pole_Data_CRC");
    text.erase(at, text.find("\r\n", at) - at + 2);
    ProfileFile profile = ProfileFile::parse(text);
    profile.set("vortan", "Cable_Bundle_Data_CRC", "0");
    overwrite(master(), master_file_bytes(profile));
    port.clear_transcript();
    open(master());
    EXPECT_TRUE(port.transcript().empty());
    EXPECT_EQ(text_of_span_length(), "301");
}

TEST_F(ProjectFiles, OldVersionsAndMissingFilesAreRefused) {
    overwrite(folder / "old.vtn", "[vortan]\r\nSettings_Data_Format_Version=1001\r\nSpan_Cable_Data_Format_Version=1003\r\n");
    open(folder / "old.vtn");
    EXPECT_NE(messages().back().find("created with an old version"), std::string::npos);

    overwrite(folder / "plain.txt", "x");
    open(folder / "plain.txt");
    EXPECT_EQ(messages().back(), "Error : The Project :\n\r\n\r" + (folder / "plain.txt").string() + "\n\r\n\rdoes NOT Exist !");
    open(folder / "none.vtn");
    EXPECT_NE(messages().back().find("does NOT Exist !"), std::string::npos);
    EXPECT_EQ(text("Load_Save_File_Edit"), "");  // still no project open
}

TEST_F(ProjectFiles, ReadingUsesTheFileNumberFormatWhateverTheLocale) {
    given_saved_project();
    overwrite(folder / "line.spd", "1\tT1\tT2\t1,250.5\t-1\t\r\n");
    ProfileFile profile = master_profile();
    profile.set("vortan", "Pole_Data_CRC", "");
    overwrite(master(), master_file_bytes(profile));
    window.set_numbers(NumberFormat{".", ","});
    open(master());
    EXPECT_EQ(window.numbers().decimal, ",");
    EXPECT_EQ(text("Span_Length_Edit"), "1250,5");
}

TEST_F(ProjectFiles, CableSagsOfNoSagSpanAreDroppedOnlyWhenTheUserAgrees) {
    given_saved_project();
    form().set_items("Cable_Bundle_Record_Listbox", {"1\t0\t0\t0\t", "7\t0\t0\t0\t"});
    form().set_checked("Data_Changed_Since_Load_CheckBox", true);
    port.queue_answer(Answer::Cancel);
    EXPECT_FALSE(window.save_project());
    EXPECT_EQ(form().items("Cable_Bundle_Record_Listbox").size(), 2u);
    EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));
    port.queue_answer(Answer::Yes);
    EXPECT_TRUE(window.save_project());
    EXPECT_EQ(read(folder / "line.scb"), "1\t0\t0\t0\t\r\n");
}

TEST_F(ProjectFiles, LoadSettingsTakesOnlyTheSetupOfAnOtherVersion) {
    given_saved_project();
    std::string text = read(master());
    text.replace(text.find("Span_Cable_Data_Format_Version=1004"), 35, "Span_Cable_Data_Format_Version=1003");
    overwrite(master(), master_file_bytes(ProfileFile::parse(text)));
    open(master());
    EXPECT_NE(messages().back().find("created with an old version"), std::string::npos);
    port.queue_answer(Answer::Yes);
    port.queue_files({master()});
    form().user_click("Load_Settings_Option");
    EXPECT_TRUE(form().items("Pole_Data_Listbox").empty());
    EXPECT_EQ(setup.form().items(setup_list::Structure_Types), std::vector<std::string>{"Tower"});
    EXPECT_EQ(text_of_span_length(), "");
    EXPECT_EQ(form().text("Load_Save_File_Edit"), "");
    EXPECT_FALSE(flag("Data_Changed_Since_Load_CheckBox"));
}

TEST_F(ProjectFiles, DeleteProjectsErasesTheWholeSetOrSaysWhatStayed) {
    given_saved_project();
    port.queue_files({master()});
    port.queue_answer(Answer::Yes);
    form().user_click("Delete_Projects_Option");
    EXPECT_EQ(messages().back(), "Confirmation : The project you selected has been erased.");
    // Only the lock of the window, which still has the project on screen, stays.
    int left = 0;
    for (const auto& entry : fs::directory_iterator(folder)) left += entry.path() != storage::lock_file_of(master());
    EXPECT_EQ(left, 0);
    EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));  // the open project can be saved again
}

// Side files whose names differ from the master's only in letter case (a
// project copied from Windows) are the project's files: a save replaces them
// rather than writing a second set, and a delete removes them, but never the
// files of another project whose name differs only in case.
TEST_F(ProjectFiles, SideFilesInAnotherLetterCaseAreTheOnesSavedAndDeleted) {
    given_saved_project();
    std::map<std::string, std::string> saved;  // bytes by lower-case extension
    for (const auto& entry : fs::directory_iterator(folder)) saved[entry.path().extension().string()] = read(entry.path());
    auto set_of = [](const std::string& base, const std::vector<std::string>& extensions,
                     const std::vector<std::string>& more = {}) {
        std::set<std::string> names;
        for (const auto* list : {&extensions, &more})
            for (const std::string& extension : *list) names.insert(base + extension);
        return names;
    };
    const std::vector<std::string> upper = {".VTN", ".SPD", ".SCB", ".SIN", ".SCP", ".SCT", ".SCN", ".SVC"};
    const std::vector<std::string> lower = {".spd", ".scb", ".sin", ".scp", ".sct", ".scn", ".svc"};
    struct Case {
        const char* what;
        const char* master;
        std::set<std::string> project;  // the project's files on disk
        std::set<std::string> others;   // another project's, which stay untouched
    };
    const Case cases[] = {
        {"copied from Windows", "LINE.VTN", set_of("LINE", upper), {}},
        {"master renamed in lower case", "line.vtn",
         set_of("LINE", {".SPD", ".SCB", ".SIN", ".SCP", ".SCT", ".SCN", ".SVC"}), {}},
        {"a second set left beside the first", "LINE.VTN", set_of("LINE", upper, lower), {}},
        {"another project named in capitals", "line.vtn", set_of("line", lower), {"LINE.VTN", "LINE.SIN"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        lay_out(c.project, saved);
        for (const std::string& name : c.others) overwrite(folder / name, "another project\r\n");
        const fs::path master = folder / c.master;
        if (!fs::exists(master)) overwrite(master, saved[".vtn"]);
        std::set<std::string> all = names_on_disk();
        const size_t shown = messages().size();
        ASSERT_TRUE(window.open_project(master.string()));
        ASSERT_TRUE(window.save_project());
        EXPECT_EQ(messages().size(), shown) << messages().back();
        EXPECT_EQ(names_on_disk(), all);
        for (const std::string& name : c.others) EXPECT_EQ(read(folder / name), "another project\r\n") << name;
        port.queue_files({master});
        port.queue_answer(Answer::Yes);
        form().user_click("Delete_Projects_Option");
        EXPECT_EQ(messages().back(), "Confirmation : The project you selected has been erased.");
        EXPECT_EQ(names_on_disk(), c.others);
    }
}

// Names that differ only in letter case are one project on every system: a
// Save As or Save that would write files another spelling reads asks first,
// naming them; No leaves every file as it was, Yes writes the files under the
// names they have on disk; Delete removes every spelling that shares them.
TEST_F(ProjectFiles, NamesThatDifferOnlyInLetterCaseAreOneProject) {
    given_saved_project();
    std::map<std::string, std::string> saved;  // bytes by lower-case extension
    for (const auto& entry : fs::directory_iterator(folder)) saved[entry.path().extension().string()] = read(entry.path());
    auto project = [](const std::string& base, const std::string& master, bool upper = false) {
        std::set<std::string> names = {master};
        for (std::string extension : {".spd", ".scb", ".sin", ".scp", ".sct", ".scn", ".svc"}) {
            if (upper) std::transform(extension.begin(), extension.end(), extension.begin(), ::toupper);
            names.insert(base + extension);
        }
        return names;
    };
    auto with = [](std::set<std::string> names, const char* more) {
        names.insert(more);
        return names;
    };
    const std::set<std::string> line = project("line", "line.vtn"), shared = with(line, "line.VTN");
    const std::set<std::string> windows = project("LINE", "LINE.VTN", true);
    struct Case {
        const char* what;
        std::set<std::string> on_disk;  // copies of the saved project's files
        const char* open;               // opened, then given one more sag-span unless deleted
        const char* command;
        const char* chosen;  // what the file dialog gives; "" for none
        Answer answer;
        const char* named;  // a file the question names
        std::set<std::string> after;
        bool written;  // the sag-spans file on disk holds the sag-spans on screen
    };
    const Case cases[] = {
        {"Save As line.VTN beside line.vtn, No", line, "line.vtn", "Save_As_Option", "line.VTN", Answer::No,
         "line.spd", line, false},
        {"Save As line.VTN beside line.vtn, Yes", line, "line.vtn", "Save_As_Option", "line.VTN", Answer::Yes,
         "line.vtn", line, true},
        {"Save As LINE.vtn beside line.vtn, Yes", line, "line.vtn", "Save_As_Option", "LINE.vtn", Answer::Yes,
         "line.sin", line, true},
        {"Save As line.vtn beside a copy from Windows, Yes", windows, "LINE.VTN", "Save_As_Option", "line.vtn",
         Answer::Yes, "LINE.SPD", windows, true},
        {"Save of line.VTN, whose files line.vtn reads, No", shared, "line.VTN", "Save_Option", "", Answer::No,
         "line.scb", shared, false},
        {"Save of line.VTN, whose files line.vtn reads, Yes", shared, "line.VTN", "Save_Option", "", Answer::Yes,
         "line.spd", shared, true},
        {"Delete line.VTN", shared, "line.VTN", "Delete_Projects_Option", "line.VTN", Answer::Yes, "line.vtn", {},
         false},
        {"Delete line.vtn", shared, "line.vtn", "Delete_Projects_Option", "line.vtn", Answer::Yes, "line.VTN", {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        lay_out(c.on_disk, saved);
        const bool deleting = std::string(c.command) == "Delete_Projects_Option";
        ASSERT_TRUE(window.open_project((folder / c.open).string()));
        if (!deleting) {
            form().user_click("Next_Tower_BitBtn");
            given_header("T2", "T3", "250");
            form().user_click("Commit_Span_Changes_BitBtn");
            ASSERT_EQ(window.span_count(), 2);
        }
        const size_t shown = messages().size();
        if (*c.chosen) port.queue_files({folder / c.chosen});
        port.queue_answer(c.answer);
        form().user_click(c.command);
        const auto said = messages_since(shown);
        ASSERT_FALSE(said.empty());
        EXPECT_NE(said.front().find((folder / c.named).string()), std::string::npos) << said.front();
        EXPECT_EQ(names_on_disk(), c.after);
        for (const std::string& name : c.after) {
            if (same_ignoring_case(fs::path(name).extension().string(), ".spd")) {
                EXPECT_EQ(split_lines(read(folder / name)).size(), c.written ? 2u : 1u) << name;
            }
        }
        port.clear_queues();
    }
}

TEST_F(ProjectFiles, DroppedFilesOpenOneProjectOnly) {
    given_saved_project();
    form().user_click("New_Option");
    window.files_dropped({master(), folder / "line.spd"});
    EXPECT_EQ(form().items("Pole_Data_Listbox").size(), 1u);
    window.files_dropped({master(), folder / "other.vtn"});
    EXPECT_EQ(messages().back(),
              "Error : Only 1 project can be opened at a time.  Please only drag and drop one project at a time.");
}

TEST_F(ProjectFiles, RecentProjectsMostRecentFirst) {
    for (const char* name : {"a", "b", "c", "d", "e", "f", "c"}) {
        form().set_text("Load_Save_File_Edit", name);
        window.update_recent_projects();
    }
    std::vector<std::string> captions;
    for (int n = 1; n <= 5; ++n) captions.push_back(form().control("Last_Used_File_" + std::to_string(n)).caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"c", "f", "e", "d", "b"}));
    EXPECT_TRUE(form().control("Last_Used_File_Separator").visible);
    // Another spelling of the path to entry 3 moves that entry up, adding none.
    form().set_text("Load_Save_File_Edit", (folder / "x" / ".." / "e").string());
    form().control("Last_Used_File_3").caption = (folder / "e").string();
    window.update_recent_projects();
    EXPECT_EQ(form().control("Last_Used_File_1").caption, (folder / "x" / ".." / "e").string());
    EXPECT_EQ(form().control("Last_Used_File_2").caption, "c");
    EXPECT_EQ(form().control("Last_Used_File_4").caption, "d");
}

}  // namespace
}  // namespace vortan
