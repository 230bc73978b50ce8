// The save against a power cut at every instant and against every failing
// operation: the disk must always open as the complete old project or the
// complete new one (as it is, or mended from a whole state the open offers),
// and the recovery journal must be there whenever it is the old one.
#include "mainwindow/main_window.h"
#include "mainwindow/unfinished_save_question.h"
#include "project/crc32.h"
#include "project/master_file.h"
#include "project/project_file_set.h"
#include "setup/setup_editor.h"
#include "storage/recording_file_system.h"
#include "storage/save_transaction.h"
#include "storage/saved_states.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vortan::storage {
namespace {

namespace fs = std::filesystem;

// A project's files under `master`: "tag" marks what changes between saves;
// the inspectors stay the same, the valid combinations are emptied.
DiskFiles project(const fs::path& master, const std::string& tag, bool stringing) {
    DiskFiles files;
    ProfileFile profile;
    profile.set(Master_Section, "Settings_Data_Format_Version", std::to_string(Settings_Data_Format_Version));
    profile.set(Master_Section, "Contract_Edit", tag);
    for (const SideFile& side : side_files()) {
        if (side.only_when_used && !stringing) continue;
        std::string bytes = std::string(side.extension) == ".sin" ? "Inspector\r\n" : tag + side.extension + "\r\n";
        if (std::string(side.extension) == ".svc" && tag == "new") bytes.clear();
        profile.set(Master_Section, side.crc_key, bytes.empty() ? "0" : crc_text(crc32(bytes.data(), bytes.size())));
        files[side_file_to_write(master, side.extension)] = bytes;
    }
    files[master] = master_file_bytes(profile);
    return files;
}

// What an open reads: the master and every side file, a missing one as empty.
DiskFiles opened(const DiskFiles& disk, const fs::path& master) {
    DiskFiles read;
    auto take = [&](const fs::path& file) { read[file] = disk.count(file) ? disk.at(file) : ""; };
    take(master);
    for (const SideFile& side : side_files()) take(side_file_to_write(master, side.extension));
    return read;
}

SaveSet save_of(const DiskFiles& before, const DiskFiles& after, const fs::path& master, const fs::path& journal) {
    SaveSet set;
    set.files.push_back({master, after.at(master)});
    for (const SideFile& side : side_files()) {
        const fs::path file = side_file_to_write(master, side.extension);
        if (after.count(file)) set.files.push_back({file, after.at(file)});
        else if (before.count(file)) set.leaving.push_back(file);
    }
    if (!journal.empty()) set.remove_after.push_back(journal);
    return set;
}

struct Scenario {
    const char* name;
    const char* old_master;
    const char* new_master;
    bool journal;
    bool old_stringing, new_stringing;
};

const Scenario Scenarios[] = {
    {"save over the project", "/p/line.vtn", "/p/line.vtn", true, true, true},
    {"save over, no journal", "/p/line.vtn", "/p/line.vtn", false, false, false},
    {"save, stringing data leaves", "/p/line.vtn", "/p/line.vtn", true, true, false},
    {"save, stringing data joins", "/p/line.vtn", "/p/line.vtn", true, false, true},
    {"save as a new name", "/p/line.vtn", "/p/line 2.vtn", true, true, true},
    {"save as into a new folder", "/p/line.vtn", "/q/line.vtn", true, false, true},
    {"save as, no journal", "/p/line.vtn", "/q/line.vtn", false, true, false},
};

struct Setting {
    DiskFiles before;             // the disk before the save
    DiskFiles old_project, new_project;  // as an open reads them at the new master
    fs::path master, journal;
    SaveSet set;
    bool replaces = false;  // the save goes over a project
};

Setting setting_of(const Scenario& scenario) {
    Setting setting;
    setting.master = scenario.new_master;
    setting.replaces = std::string(scenario.old_master) == scenario.new_master;
    setting.before = project(scenario.old_master, "old", scenario.old_stringing);
    if (scenario.journal) {
        setting.journal = std::string(scenario.old_master) + ".journal";
        setting.before[setting.journal] = "journal entries";
    }
    const DiskFiles after = project(setting.master, "new", scenario.new_stringing);
    setting.old_project = setting.replaces ? opened(setting.before, setting.master) : DiskFiles{};
    setting.new_project = opened(after, setting.master);
    setting.set = save_of(setting.replaces ? setting.before : DiskFiles{}, after, setting.master, setting.journal);
    return setting;
}

// Why the disk does not open as the old or the new project; empty when it does.
// `mend_crashes` also crashes each mend at every point.
std::string check_disk(const Setting& setting, const DiskFiles& disk, bool mend_crashes, int& mends);

std::string check_opened(const Setting& setting, const DiskFiles& disk, const DiskFiles& project, const char* how) {
    const bool is_new = project == setting.new_project;
    const bool is_old = setting.replaces && project == setting.old_project;
    if (!is_new && !is_old) return std::string(how) + " opens neither the old project nor the new one";
    if (!is_new && !setting.journal.empty() && (!disk.count(setting.journal) || disk.at(setting.journal) != "journal entries"))
        return std::string(how) + " opens the old project without its journal";
    return "";
}

std::string check_disk(const Setting& setting, const DiskFiles& disk, bool mend_crashes, int& mends) {
    // Files the save has no business with stay as they were.
    for (const auto& [file, bytes] : setting.before) {
        const bool in_set = file == setting.journal ||
                            std::any_of(setting.set.files.begin(), setting.set.files.end(),
                                        [&](const FileContent& content) { return content.path == file; }) ||
                            std::count(setting.set.leaving.begin(), setting.set.leaving.end(), file);
        if (!in_set && (!disk.count(file) || disk.at(file) != bytes)) return "the other project's " + file.string() + " changed";
    }
    RecordingFileSystem files(disk);
    const SavedStates states = find_saved_states(files, setting.master);
    if (states.plain_whole) return check_opened(setting, disk, opened(disk, setting.master), "the plain set");
    if (!states.generation_files && files.exists(setting.master)) return "a torn set without generation files";
    if (!states.earlier && !states.later) {
        if (setting.replaces) return "no whole state: the old project is lost";
        return disk.count(setting.journal) || setting.journal.empty() ? "" : "nothing opens and the journal is gone";
    }
    for (const auto* state : {&states.earlier, &states.later}) {
        if (!*state) continue;
        RecordingFileSystem mended(disk);
        if (std::string failure = mend_saved_state(mended, setting.master, **state); !failure.empty())
            return "the mend fails: " + failure;
        ++mends;
        const char* how = state == &states.earlier ? "the earlier state, mended" : "the later state, mended";
        const DiskFiles project = opened(mended.files(), setting.master);
        if (std::string failure = check_opened(setting, disk, project, how); !failure.empty()) return failure;
        if (!find_saved_states(mended, setting.master).plain_whole) return std::string(how) + " is not whole";
        for (const fs::path& name : generation_files_of(setting.master))
            if (mended.exists(name)) return std::string(how) + " leaves " + name.string();
        if (!mend_crashes) continue;
        // The mend itself cut short: the chosen state must still be there.
        for (std::size_t done = 0; done <= mended.operations(); ++done)
            for (std::size_t persisted = 0; persisted <= mended.pending_name_changes(done); ++persisted)
                for (DataModel model : {DataModel::Lost, DataModel::Kept}) {
                    const DiskFiles cut = mended.after_crash(done, persisted, model);
                    RecordingFileSystem again(cut);
                    const SavedStates left = find_saved_states(again, setting.master);
                    bool chosen_there = left.plain_whole && opened(cut, setting.master) == project;
                    for (const auto* other : {&left.earlier, &left.later}) {
                        if (!*other || chosen_there) continue;
                        RecordingFileSystem retry(cut);
                        chosen_there = mend_saved_state(retry, setting.master, **other).empty() &&
                                       opened(retry.files(), setting.master) == project;
                    }
                    if (!chosen_there)
                        return std::string(how) + " loses the chosen state when cut after its operation " +
                               std::to_string(done) + " (" + std::to_string(persisted) + " name changes on the disk)";
                }
    }
    return "";
}

TEST(CrashConsistency, EveryCrashPointOpensTheWholeOldOrNewProject) {
    for (const Scenario& scenario : Scenarios) {
        const Setting setting = setting_of(scenario);
        RecordingFileSystem files(setting.before);
        ASSERT_EQ(save_file_set(files, setting.set), "") << scenario.name;
        ASSERT_EQ(opened(files.files(), setting.master), setting.new_project) << scenario.name;
        if (!setting.journal.empty()) {
            EXPECT_FALSE(files.exists(setting.journal)) << scenario.name;
        }
        int states = 0, mends = 0;
        for (std::size_t done = 0; done <= files.operations(); ++done)
            for (std::size_t persisted = 0; persisted <= files.pending_name_changes(done); ++persisted)
                for (DataModel model : {DataModel::Lost, DataModel::Kept}) {
                    ++states;
                    // The mends of one scenario are themselves cut at every point.
                    const bool mend_crashes = &scenario == &Scenarios[0] && model == DataModel::Lost && done % 4 == 0 && persisted == files.pending_name_changes(done);
                    const std::string failure =
                        check_disk(setting, files.after_crash(done, persisted, model), mend_crashes, mends);
                    ASSERT_EQ(failure, "")
                        << scenario.name << ": power cut after operation " << done << " of " << files.operations()
                        << (done ? " (" + files.operation_text(done - 1) + ")" : std::string())
                        << ", " << persisted << " of " << files.pending_name_changes(done)
                        << " pending name changes on the disk, unflushed data "
                        << (model == DataModel::Lost ? "lost" : "kept");
                }
        std::printf("%s: %d disks after a power cut, %d mends\n", scenario.name, states, mends);
    }
}

TEST(CrashConsistency, AFailingOperationLeavesTheOldSetAndJournalAndNamesItsCause) {
    const int causes[] = {ENOSPC, EIO, EACCES, ENAMETOOLONG};
    for (const Scenario& scenario : Scenarios) {
        const Setting setting = setting_of(scenario);
        RecordingFileSystem clean(setting.before);
        ASSERT_EQ(save_file_set(clean, setting.set), "");
        std::size_t last_rename = 0;
        for (std::size_t n = 0; n < clean.operations(); ++n)
            if (clean.operation_text(n).find(" rename ") != std::string::npos) last_rename = n;
        for (std::size_t failing = 0; failing < clean.operations(); ++failing)
            for (int cause : causes) {
                RecordingFileSystem files(setting.before);
                files.fail_operation(failing, std::strerror(cause));
                const std::string failure = save_file_set(files, setting.set);
                const std::string where = std::string(scenario.name) + ": " + clean.operation_text(failing) + " fails with " +
                                          std::strerror(cause) + "; the save says \"" + failure + "\"";
                // Up to the flush after the last rename the old set must come back;
                // after it the new set is on the disk and the save has happened.
                if (failing <= last_rename + 1) {
                    EXPECT_NE(failure.find(std::strerror(cause)), std::string::npos) << where;
                    EXPECT_NE(failure.find("'/"), std::string::npos) << where;  // the file is named
                    EXPECT_EQ(files.files(), setting.before) << where;
                } else {
                    EXPECT_EQ(failure, "") << where;
                    EXPECT_EQ(opened(files.files(), setting.master), setting.new_project) << where;
                }
            }
    }
}

TEST(CrashConsistency, TheWindowRefusesALongNameAndNamesTheCauseOfAFailedSave) {
    struct Case {
        std::size_t longest_name, failing;
        int cause;
        const char* expected;
    } cases[] = {
        {255, 0, ENOSPC, "'/p/~line.vtn.tmp' could not be written (No space left on device)"},
        {255, 1, EIO, "'/p/~line.vtn.tmp' could not be written to the disk (Input/output error)"},
        {255, 100, 0, ""},
        {12, 100, 0, "is too long for the file system of its folder"},
    };
    for (const Case& c : cases) {
        ScriptedPort port;
        SetupEditor setup;
        MainWindow window(port, setup);
        window.start();
        RecordingFileSystem files(project("/p/line.vtn", "old", false));
        const DiskFiles before = files.files();
        files.set_longest_name(c.longest_name);
        if (c.cause) files.fail_operation(c.failing, std::strerror(c.cause));
        window.set_file_system(files);
        window.form().set_text("Load_Save_File_Edit", "/p/line.vtn");
        const bool saved = window.save_project();
        EXPECT_EQ(saved, *c.expected == '\0') << c.expected;
        if (saved) continue;
        ASSERT_FALSE(port.messages().empty());
        const std::string text = port.messages().back();
        EXPECT_EQ(text.rfind("Error : The project could not be saved.\n\r\n\r", 0), 0u) << text;
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        EXPECT_NE(text.find("The project on disk and its recovery journal are as they were."), std::string::npos);
        EXPECT_EQ(files.files(), before) << c.expected;
    }
}


// The open's question on the disks an unfinished save leaves: which states it
// offers, what each answer opens, and that Cancel and a failed mend touch nothing.
TEST(CrashConsistency, TheOpenOffersTheWholeStatesOfAnUnfinishedSaveAndMendsTheOneChosen) {
    struct Case {
        const char* what;
        int scenario;
        const char* cut_before;  // the operation the power went before, all names on the disk
        std::vector<const char*> spoilt;  // files changed afterwards
        Answer answer;
        bool opens;
        const char* question;  // in the text shown
        bool is_new;           // what the plain set then is
    } cases[] = {
        {"both whole, Yes", 0, "rename /p/~line.scb.tmp", {}, Answer::Yes, true, "Yes opens the project as that save", true},
        {"both whole, No", 0, "rename /p/~line.scb.tmp", {}, Answer::No, true, "No opens it as it was before", false},
        {"both whole, Cancel", 0, "rename /p/~line.scb.tmp", {}, Answer::Cancel, false, "Cancel leaves the files", false},
        {"master still to come", 4, "rename /p/~line 2.vtn.tmp", {}, Answer::Yes, true, "as that save was writing it is complete", true},
        {"only the earlier whole", 0, "rename /p/~line.scb.tmp", {"/p/~line.vtn.tmp"}, Answer::Yes, true, "as it was before that save is complete", false},
        {"neither whole", 0, "rename /p/~line.scb.tmp", {"/p/~line.spd.tmp", "/p/~line.scb.bak"}, Answer::OK, true, "neither the project as it was", false},
    };
    for (const Case& c : cases) {
        const Setting setting = setting_of(Scenarios[c.scenario]);
        RecordingFileSystem clean(setting.before);
        ASSERT_EQ(save_file_set(clean, setting.set), "");
        std::size_t done = 0;
        while (done < clean.operations() && clean.operation_text(done).find(c.cut_before) == std::string::npos) ++done;
        ASSERT_LT(done, clean.operations()) << c.what;
        DiskFiles disk = clean.after_crash(done, clean.pending_name_changes(done), DataModel::Kept);
        for (const char* file : c.spoilt) disk[file] = "spoilt";
        RecordingFileSystem files(disk);
        ScriptedPort port;
        port.queue_answer(c.answer);
        EXPECT_EQ(settle_unfinished_save(port, files, setting.master), c.opens) << c.what;
        ASSERT_EQ(port.messages().size(), 1u) << c.what;
        const std::string text = port.messages().front();
        EXPECT_EQ(text.rfind("Warning : The last save of the project\n\r\n\r" + setting.master.string(), 0), 0u) << text;
        EXPECT_NE(text.find(c.question), std::string::npos) << c.what << ": " << text;
        const bool mended = c.opens && c.answer != Answer::OK;
        if (!mended) {
            EXPECT_EQ(files.files(), disk) << c.what << ": files changed without a mend";
            continue;
        }
        EXPECT_EQ(opened(files.files(), setting.master), c.is_new ? setting.new_project : setting.old_project) << c.what;
        EXPECT_TRUE(find_saved_states(files, setting.master).plain_whole) << c.what;
        if (!setting.journal.empty()) {
            EXPECT_TRUE(files.exists(setting.journal)) << c.what << ": the journal went";
        }
    }
}

}  // namespace
}  // namespace vortan::storage
