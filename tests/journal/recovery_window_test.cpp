// The journal as the window keeps it: where it is written, what removes it,
// and what a later run offers back.
#include "journal/durable_file.h"
#include "journal/recovery_journal.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"
#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>

namespace vortan {
namespace {

namespace fs = std::filesystem;

// One run of the program on a copy of the demo line.
struct ProgramRun {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
    explicit ProgramRun(const fs::path& folder) {
        window.start();
        window.keep_recovery_journal(folder / "unsaved");
        port.set_default_answer(Answer::Yes);
    }
    Form& form() { return window.form(); }
    // A changed span length preserved: the change a journal must keep.
    void preserve_span_length(const std::string& length) {
        form().user_type("Span_Length_Edit", length);
        form().user_click("Commit_Span_Changes_BitBtn");
    }
    std::string last_message() { return port.messages().empty() ? "" : port.messages().back(); }
};

class RecoveryWindow : public ::testing::Test {
protected:
    RecoveryWindow() : folder(fs::temp_directory_path() / ("vortan-recovery-" + std::to_string(journal::this_process_id()))) {
        fresh_copy();
    }
    void fresh_copy() {
        master = testing::fresh_copy_of_demo(folder);
    }
    ~RecoveryWindow() override { fs::remove_all(folder); }

    std::unique_ptr<ProgramRun> opened(std::optional<Answer> to_recovery = std::nullopt) {
        auto run = std::make_unique<ProgramRun>(folder);
        if (to_recovery) run->port.queue_answer(*to_recovery);
        run->window.open_project(master.string());
        return run;
    }
    std::string first_span() { return opened()->form().items("Pole_Data_Listbox").front(); }
    static std::string bytes_of(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path folder, master;
};

TEST_F(RecoveryWindow, ChangesComeBackUntilSavedDeclinedOrExited) {
    const std::string saved = first_span();
    struct Case {
        const char* ending;
        Answer to_recovery;
        bool comes_back;
    };
    for (const Case& c : {Case{"crash", Answer::Yes, true}, Case{"crash", Answer::No, false},
                          Case{"save", Answer::Yes, false}, Case{"exit", Answer::Yes, false},
                          Case{"crash, the master dated ahead of the clock", Answer::Yes, true}}) {
        fresh_copy();
        {
            auto run = opened();
            run->preserve_span_length("311");
            ASSERT_TRUE(fs::exists(journal::journal_of(master))) << c.ending;
            if (std::string(c.ending) == "save") run->window.save_project();
            if (std::string(c.ending) == "exit") {
                run->port.queue_answer(Answer::No);  // do not save
                ASSERT_TRUE(run->window.exit_requested());
            }
        }
        if (std::string(c.ending).find("ahead") != std::string::npos)
            fs::last_write_time(master, fs::file_time_type::clock::now() + std::chrono::hours(24 * 400));
        auto next = opened(c.to_recovery);
        const bool recovered = next->form().items("Pole_Data_Listbox").front() != saved;
        const bool saved_with_change = std::string(c.ending) == "save";
        EXPECT_EQ(recovered, c.comes_back || saved_with_change) << c.ending;
        EXPECT_EQ(next->form().checked("Data_Changed_Since_Load_CheckBox"), c.comes_back) << c.ending;
        // A journal recovered goes on; one declined, saved or exited is gone.
        EXPECT_EQ(fs::exists(journal::journal_of(master)), c.comes_back) << c.ending;
    }
}

TEST_F(RecoveryWindow, ATornJournalGivesItsWholeEntriesAndSaysHowManyWereLost) {
    {
        auto run = opened();
        run->preserve_span_length("301");
        run->preserve_span_length("302");
    }
    const fs::path file = journal::journal_of(master);
    fs::resize_file(file, fs::file_size(file) - 3);
    auto next = opened(Answer::Yes);
    EXPECT_NE(next->last_message().find("1 change made after it was last saved can be recovered"), std::string::npos);
    EXPECT_NE(next->last_message().find("The journal stops at a change that could not be written in full; changes "
                                        "made after it are not in it"),
              std::string::npos);
    EXPECT_NE(next->form().items("Pole_Data_Listbox").front().find("\t301\t"), std::string::npos);
}

TEST_F(RecoveryWindow, OtherProjectsAndOtherSavesAreLeftAlone) {
    // Another project's journal in the folder, and this project's journal of
    // an earlier save (its base no longer the master's).
    const fs::path other = folder / "other-line.vtn.journal";
    std::ofstream(other) << journal::header_text({(folder / "other-line.vtn").string(), "1234", 1});
    std::ofstream(journal::journal_of(master), std::ios::binary)
        << journal::header_text({master.string(), "1234", 5})
        << journal::entry_text(1, journal::Entry{1, {{"Inspector_Surname_Edit", "Earlier"}}, {}});
    auto next = opened(Answer::Yes);
    EXPECT_TRUE(next->port.messages().empty());
    next->preserve_span_length("334");
    next->window.save_project();
    EXPECT_TRUE(fs::exists(other));
}

TEST_F(RecoveryWindow, ASecondWindowIsReadOnlyWritesNoJournalAndSavesOnlyACopy) {
    auto first = opened();
    first->preserve_span_length("312");
    const std::string journal_bytes = bytes_of(journal::journal_of(master));
    const std::string saved = bytes_of(master);
    auto second = opened(Answer::Yes);  // open it read-only
    ASSERT_FALSE(second->port.messages().empty());
    EXPECT_NE(second->port.messages().front().find("is open in another Vortan window (user "), std::string::npos)
        << second->port.messages().front();
    EXPECT_TRUE(second->window.read_only());
    EXPECT_NE(second->window.window_caption().find("(read-only)"), std::string::npos);
    second->preserve_span_length("313");
    EXPECT_TRUE(second->window.journal_file().empty());
    second->form().user_click("Save_Option");
    EXPECT_NE(second->last_message().find("is open read-only"), std::string::npos) << second->last_message();
    EXPECT_FALSE(second->window.save_project());
    EXPECT_EQ(bytes_of(master), saved);
    EXPECT_EQ(bytes_of(journal::journal_of(master)), journal_bytes) << "the first window's journal is its own";
    second->port.queue_files({master});
    second->port.queue_answer(Answer::Yes);
    second->form().user_click("Delete_Projects_Option");
    EXPECT_NE(second->last_message().find("(open in another Vortan window)"), std::string::npos);
    EXPECT_EQ(bytes_of(master), saved) << "erased under the first window";
    // Save As a copy: the copy's lock is taken, and its journal is kept.
    const fs::path copy = folder / "copy-line.vtn";
    second->port.queue_files({copy});
    second->form().user_click("Save_As_Option");
    EXPECT_FALSE(second->window.read_only());
    EXPECT_TRUE(fs::exists(copy));
    second->preserve_span_length("314");
    EXPECT_EQ(second->window.journal_file(), journal::journal_of(copy));
    // Cancel leaves a project open elsewhere closed.
    auto third = opened(Answer::Cancel);
    EXPECT_TRUE(third->form().text("Load_Save_File_Edit").empty());
    EXPECT_TRUE(third->form().items("Pole_Data_Listbox").empty());
}

TEST_F(RecoveryWindow, ADamagedJournalHeaderIsReportedAtEveryByteAndKeptOrRemoved) {
    {
        auto run = opened();
        run->preserve_span_length("321");
    }
    const fs::path file = journal::journal_of(master);
    const std::string bytes = bytes_of(file);
    const size_t header = bytes.find("\nentry ") + 1;
    for (size_t at = 0; at < header; ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 << (at % 8)));
        std::ofstream(file, std::ios::binary) << damaged;
        const bool remove = at + 1 == header;
        auto next = opened(remove ? Answer::Yes : Answer::No);
        const std::string shown = next->port.messages().empty() ? "" : next->port.messages().front();
        ASSERT_NE(shown.find("is damaged at its start"), std::string::npos) << "byte " << at << ": " << shown;
        EXPECT_NE(shown.find(file.string()), std::string::npos) << "byte " << at;
        EXPECT_EQ(fs::exists(file), !remove) << "byte " << at;
    }
}

TEST_F(RecoveryWindow, ChangesThatNoLongerFitTheFilesAreCounted) {
    {
        auto run = opened();
        run->preserve_span_length("331");
        run->preserve_span_length("332");
    }
    fs::remove(folder / "demo-line.spd");  // the sag-spans' side file
    auto next = opened(Answer::Yes);       // load it anyway, and recover
    EXPECT_NE(next->last_message().find("2 changes of 2 in the recovery journal could not be restored"),
              std::string::npos)
        << next->last_message();
}

TEST_F(RecoveryWindow, AnUnsavedProjectOfARunThatDiedIsOfferedAtStart) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        const std::string dead = journal::new_run_name();
        {
            ProgramRun run(folder);
            run.form().user_click("New_Option");
            run.form().user_type("From_Tower_Edit", "A1");
            run.form().user_type("To_Tower_Edit", "A2");
            run.preserve_span_length("250");
            ASSERT_EQ(run.form().items("Pole_Data_Listbox").size(), 1u);
            // The run dies: its journal is left without the lock it held.
            fs::rename(run.window.journal_file(), journal::unsaved_journal(folder / "unsaved", dead));
        }
        // The next run starts on the demo line and is offered the unsaved project.
        ProgramRun next(folder);
        next.port.queue_answer(answer);
        next.window.first_display({master.string()});
        EXPECT_NE(next.last_message().find("an unsaved project was open"), std::string::npos);
        const auto& spans = next.form().items("Pole_Data_Listbox");
        if (answer == Answer::Yes) {
            ASSERT_EQ(spans.size(), 1u);
            EXPECT_NE(spans.front().find("A1\tA2\t250"), std::string::npos);
        } else {
            EXPECT_EQ(spans.size(), 25u) << "declined, the demo line stays on screen";
        }
        EXPECT_EQ(next.form().checked("Data_Changed_Since_Load_CheckBox"), answer == Answer::Yes);
        EXPECT_FALSE(fs::exists(journal::unsaved_journal(folder / "unsaved", dead)));
    }
}

TEST_F(RecoveryWindow, AJournalThatCannotBeWrittenIsSaidOnce) {
    fs::create_directories(journal::journal_of(master));  // a folder where the file would go
    auto run = opened();
    run->preserve_span_length("301");
    run->preserve_span_length("302");
    const auto messages = run->port.messages();
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& m) { return m.find("recovery journal") != std::string::npos; }),
              1);
}

}  // namespace
}  // namespace vortan
