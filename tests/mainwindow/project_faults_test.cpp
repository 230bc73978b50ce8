// A project under faults of the disk and of its files: every failed save keeps
// the old files on disk and the data in memory, and every damaged file opens
// with a clear message or not at all, never half.
#include "project/master_file.h"
#include "project/crc32.h"
#include "project/profile_file.h"
#include "project/project_file_set.h"
#include "project/setup_lists.h"
#include "support/main_window_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#ifdef __linux__
#include <sys/mount.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>

namespace vortan {
namespace {

namespace fs = std::filesystem;

class ProjectFaults : public testing::MainWindowTest {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-faults-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Tower"});
        s.set_items(setup_list::Cable_Positions, {"Top"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t"});
        window.start();
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }

    fs::path master() { return folder / "line.vtn"; }
    // Every file of the project, the master first, as a save writes them.
    std::vector<fs::path> project_files() {
        std::vector<fs::path> files = {master()};
        for (const SideFile& side : side_files())
            if (!side.only_when_used || fs::exists(side_file_to_write(master(), side.extension)))
                files.push_back(side_file_to_write(master(), side.extension));
        return files;
    }
    std::map<fs::path, std::string> disk() {
        std::map<fs::path, std::string> bytes;
        for (const auto& entry : fs::directory_iterator(folder))
            if (fs::is_regular_file(entry.symlink_status())) bytes[entry.path()] = read(entry.path());
        return bytes;
    }
    void enter_span(const std::string& near_name, const std::string& span) {
        given_header(near_name, near_name + "b", span);
        given_schedule();
        given_method_page(8);
        type("Swing_Number_of_Swings_Edit", "5");
        form().user_click("Commit_Cable_Bundle_Changes_BitBtn");
        form().user_click("Commit_Span_Changes_BitBtn");
    }
    void save_as_master() {
        port.queue_files({master()});
        form().user_click("Save_As_Option");
    }
    void open(const fs::path& file) { window.open_project(file.string()); }
    static void overwrite(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The master's CRC keys made to fit the side files as they now are.
    void recompute_crcs() {
        ProfileFile profile = ProfileFile::read(master());
        for (const SideFile& side : side_files())
            profile.set("vortan", side.crc_key, file_crc(side_file_to_write(master(), side.extension)));
        overwrite(master(), master_file_bytes(profile));
    }
    // A saved project of one sag-span, then a second entered and not yet saved.
    void given_saved_then_changed() {
        enter_span("T1", "300");
        save_as_master();
        ASSERT_TRUE(port.messages().empty()) << port.messages().back();
        form().user_click("Next_Tower_BitBtn");
        enter_span("T2", "250");
        ASSERT_EQ(window.span_count(), 2);
        port.clear_transcript();
    }
    // The save failed: one message saying so, nothing on disk changed, no
    // temporary or spare file left, and the unsaved sag-span still in memory.
    void save_expecting_failure(const std::string& why) {
        const auto before = disk();
        const size_t shown = port.messages().size();
        form().user_click("Save_BitBtn");
        const auto said = messages_since(shown);
        ASSERT_EQ(said.size(), 1u) << why;
        EXPECT_NE(said[0].find("could not"), std::string::npos) << why << ": " << said[0];
        expect_nothing_lost(before, why);
    }
    void expect_nothing_lost(const std::map<fs::path, std::string>& before, const std::string& why) {
        EXPECT_EQ(disk(), before) << why;
        EXPECT_EQ(window.span_count(), 2) << why;
        EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox")) << why;
        EXPECT_FALSE(flag("User_Saved_Data_When_Prompted_CheckBox")) << why;
    }

    fs::path folder;
};

TEST_F(ProjectFaults, ASaveThatFailsAtAnyFileKeepsTheOldSetAndTheData) {
    given_saved_then_changed();
    for (const fs::path& file : project_files()) {
        // Writing: the temporary file of this one cannot be created.
        const fs::path blocked = file.parent_path() / ("~" + file.filename().string() + ".tmp");
        fs::create_directory(blocked);
        save_expecting_failure("writing " + file.filename().string());
        fs::remove(blocked);
        // Replacing: the old file of this one cannot be moved aside.
        const fs::path stuck = file.parent_path() / ("~" + file.filename().string() + ".bak");
        fs::create_directories(stuck / "busy");
        save_expecting_failure("replacing " + file.filename().string());
        fs::remove_all(stuck);
    }
    // With the obstacles gone the same save goes through and opens again.
    form().user_click("Save_BitBtn");
    EXPECT_TRUE(flag("User_Saved_Data_When_Prompted_CheckBox"));
    const size_t shown = port.messages().size();
    open(master());
    EXPECT_TRUE(messages_since(shown).empty());
    EXPECT_EQ(window.span_count(), 2);
}

TEST_F(ProjectFaults, AFullDiskFailsTheSaveCleanly) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to stand for a full disk";
    given_saved_then_changed();
    // The cable sags, the biggest file, land on a device that is always full.
    const fs::path cables = side_file_to_write(master(), "scb");
    const fs::path temporary = folder / ("~" + cables.filename().string() + ".tmp");
    fs::create_symlink("/dev/full", temporary);
    save_expecting_failure("full disk");
    EXPECT_FALSE(fs::exists(temporary));  // the failed write cleans up after itself
}

// A folder that refuses writing: by its permissions, or, for root, who
// ignores those, as a read-only mount of itself. Undone when it goes.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
#ifdef __linux__
        if (writable() && ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            mounted_ = true;
            ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
        }
#endif
    }
    ~ReadOnlyFolder() {
#ifdef __linux__
        if (mounted_) ::umount(folder_.c_str());
#endif
        fs::permissions(folder_, fs::perms::owner_all);
    }
    bool writable() const { return ::access(folder_.c_str(), W_OK) == 0; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

TEST_F(ProjectFaults, AFolderThatCannotBeWrittenFailsTheSaveCleanly) {
    given_saved_then_changed();
    ReadOnlyFolder read_only(folder);
    if (read_only.writable()) GTEST_SKIP() << "running with rights that write a read-only folder anyway";
    save_expecting_failure("read-only folder");
}

TEST_F(ProjectFaults, DamagedMasterFilesAreRefusedWithAMessage) {
    enter_span("T1", "300");
    save_as_master();
    const std::string good = read(master());
    struct Case {
        const char* what;
        std::string master;
        const char* message_part;
    };
    const Case cases[] = {
        {"cut inside its first key", good.substr(0, good.find("=") + 2), "is damaged (it is cut short"},
        {"another section", "[other]" + good.substr(good.find("\r\n")), "is damaged (its contents"},
        {"empty", "", "is damaged (it is empty)"},
        {"binary", std::string("\0\xff\x01[vortan\r\n=\n", 14), "is damaged (it holds NUL"},
        {"without its version keys", "[vortan]\r\nContract_Edit=x\r\n", "old version"},
    };
    for (const Case& c : cases) {
        overwrite(master(), c.master);
        const size_t shown = port.messages().size();
        open(master());
        const auto said = messages_since(shown);
        ASSERT_EQ(said.size(), 1u) << c.what;
        EXPECT_NE(said[0].find(c.message_part), std::string::npos) << c.what << ": " << said[0];
        EXPECT_EQ(window.span_count(), 1) << c.what;  // nothing half read: the open project stays
    }
}

TEST_F(ProjectFaults, LineEndsOfOtherSystemsReadTheSame) {
    enter_span("T1", "300");
    form().user_click("Next_Tower_BitBtn");
    enter_span("T2", "250");
    save_as_master();
    const auto spans = form().items("Pole_Data_Listbox");
    const auto cables = form().items("Cable_Bundle_Record_Listbox");
    for (const std::string& line_end : {std::string("\n"), std::string("\r")}) {
        for (const fs::path& file : project_files()) {
            std::string bytes = read(file), converted;
            for (size_t i = 0; i < bytes.size(); ++i) {
                if (bytes.compare(i, 2, "\r\n") == 0) {
                    converted += line_end;
                    ++i;
                } else {
                    converted += bytes[i];
                }
            }
            overwrite(file, converted);
        }
        recompute_crcs();
        form().user_click("New_Option");
        port.clear_transcript();
        open(master());
        EXPECT_TRUE(port.messages().empty()) << (line_end == "\n" ? "LF" : "CR") << ": " << port.messages().back();
        EXPECT_EQ(form().items("Pole_Data_Listbox"), spans);
        EXPECT_EQ(form().items("Cable_Bundle_Record_Listbox"), cables);
    }
}

TEST_F(ProjectFaults, RecordsWithTooFewOrTooManyFieldsOpenAndShow) {
    enter_span("T1", "300");
    save_as_master();
    const fs::path spans = side_file_to_write(master(), "spd");
    const fs::path cables = side_file_to_write(master(), "scb");
    overwrite(spans, "1\tT1\r\n2\tT2\tT3\t250\t-1\textra\tmore\tfields\t\r\n3\r\n");
    overwrite(cables, "1\t0\r\n2\t" + std::string(200, '\t') + "\r\n");
    recompute_crcs();
    port.clear_transcript();
    open(master());
    // Cable sags whose keys are missing are reported, and kept.
    ASSERT_EQ(port.messages().size(), 1u);
    EXPECT_TRUE(port.messages()[0].starts_with("Warning : 2 Cable Sag(s) of this project cannot be shown"));
    EXPECT_EQ(form().items("Cable_Bundle_Record_Listbox").size(), 2u);
    ASSERT_EQ(window.span_count(), 3);
    // A line without a TAB is its own second field.
    const char* near_names[] = {"T1", "T2", "3"};
    for (int n = 1; n <= 3; ++n) {
        window.set_span_number(n);
        window.display();
        EXPECT_EQ(text("From_Tower_Edit"), near_names[n - 1]) << n;
    }
    EXPECT_EQ(port.messages().size(), 1u);
}

TEST_F(ProjectFaults, ALockedSideFileIsReportedNotRead) {
    enter_span("T1", "300");
    save_as_master();
    const fs::path spans = side_file_to_write(master(), "spd");
    const int fd = ::open(spans.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);  // as another program holding it would
    form().user_click("New_Option");
    port.queue_answer(Answer::No);
    port.clear_transcript();
    open(master());
    ::close(fd);
    // Its contents cannot be checked: the user is asked, and No reads nothing.
    ASSERT_EQ(port.messages().size(), 1u);
    EXPECT_NE(port.messages().back().find("- Structure"), std::string::npos);
    EXPECT_EQ(window.span_count(), 0);
    EXPECT_EQ(form().text("Load_Save_File_Edit"), "");  // still the unnamed project of New
    // Once the other program lets go, the project opens whole.
    open(master());
    EXPECT_EQ(port.messages().size(), 1u);
    EXPECT_EQ(window.span_count(), 1);
}

TEST_F(ProjectFaults, A50MegabyteSideFileOpens) {
    enter_span("T1", "300");
    save_as_master();
    const fs::path cables = side_file_to_write(master(), "scb");
    const std::string record = read(cables);  // one cable sag and its line end
    ASSERT_FALSE(record.empty());
    std::string big;
    big.reserve(50u << 20);
    while (big.size() < (50u << 20)) big += record;
    overwrite(cables, big);
    recompute_crcs();
    form().user_click("New_Option");
    port.clear_transcript();
    open(master());
    EXPECT_TRUE(port.messages().empty());
    EXPECT_EQ(form().items("Cable_Bundle_Record_Listbox").size(), big.size() / record.size());
    EXPECT_EQ(text("From_Tower_Edit"), "T1");
}

// A side file beyond any line's size stops the open with one message naming
// it, and the project on screen stays as it was.
TEST_F(ProjectFaults, HostileSideFilesAreRefusedAndNothingOnScreenChanges) {
    enter_span("T1", "300");
    save_as_master();
    const fs::path cables = side_file_to_write(master(), ".scb");
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* why;
    };
    const Case cases[] = {
        {"two million and one line ends", [&] { overwrite(cables, std::string(2'000'001, '\n')); },
         "It holds more than 2,000,000 lines, more than the data of any line needs."},
        {"600 MiB (sparse)", [&] { overwrite(cables, ""); fs::resize_file(cables, std::uintmax_t{600} << 20); },
         "It holds 629,145,600 bytes, more than the 536,870,912 bytes that the data of any line needs."},
    };
    form().user_click("New_Option");
    given_header("T9", "T10", "120");  // typed, not yet preserved
    const std::string caption = window.window_caption();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const size_t shown = port.messages().size();
        open(master());
        const auto said = messages_since(shown);
        ASSERT_EQ(said.size(), 1u) << said.front();
        EXPECT_EQ(said[0], "Error : The project\n\r\n\r" + master().string() +
                                          "\n\r\n\rcannot be opened: its file\n\r\n\r" + cables.string() +
                                          "\n\r\n\ris not read.  " + c.why +
                                          "\n\r\n\rNothing has been loaded and the project on screen is as it "
                                          "was.  Restore the file from a copy of the project.");
        EXPECT_EQ(text("From_Tower_Edit"), "T9");
        EXPECT_EQ(form().text("Load_Save_File_Edit"), "");
        EXPECT_EQ(window.window_caption(), caption);
        fs::remove(cables);
    }
}

}  // namespace
}  // namespace vortan
