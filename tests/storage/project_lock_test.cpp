// One writer per project, between processes: a second run is read-only and
// cannot save over the first, runs that die leave their lock to the next
// without a word (a zombie too), and only a run that dies leaves a journal.
#include "journal/durable_file.h"
#include "journal/recovery_journal.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "storage/project_lock.h"
#include "ui/scriptedport.h"
#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vortan {
namespace {

namespace fs = std::filesystem;
using storage::ProjectLock;

std::string bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ProjectLock, OneHolderPerProjectWhateverTheLetterCase) {
    const fs::path folder = fs::temp_directory_path() / ("vortan-lock-" + std::to_string(journal::this_process_id()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    struct Case {
        const char* first;
        const char* second;
        ProjectLock::Outcome outcome;
    };
    for (const Case& c : {Case{"line.vtn", "line.vtn", ProjectLock::Outcome::HeldElsewhere},
                          Case{"Line.VTN", "line.vtn", ProjectLock::Outcome::HeldElsewhere},
                          Case{"line.vtn", "other.vtn", ProjectLock::Outcome::Held},
                          Case{"line.vtn", "no-such-folder/line.vtn", ProjectLock::Outcome::Unavailable}}) {
        SCOPED_TRACE(std::string(c.first) + " then " + c.second);
        ProjectLock first, second;
        ASSERT_EQ(first.take(storage::lock_file_of(folder / c.first), "07-Dec-2026 10:30"), ProjectLock::Outcome::Held);
        EXPECT_EQ(second.take(storage::lock_file_of(folder / c.second), "later"), c.outcome);
        if (c.outcome == ProjectLock::Outcome::HeldElsewhere) {
            EXPECT_EQ(second.holder().since, "07-Dec-2026 10:30");
            EXPECT_EQ(second.holder().user, storage::this_user().user);
            EXPECT_FALSE(second.held());
        }
        first.release();
        EXPECT_FALSE(fs::exists(storage::lock_file_of(folder / c.first))) << "a lock let go leaves no file";
        if (c.outcome == ProjectLock::Outcome::HeldElsewhere) {
            EXPECT_EQ(second.take(storage::lock_file_of(folder / c.second), "later"), ProjectLock::Outcome::Held);
        }
    }
    fs::remove_all(folder);
}

#ifndef _WIN32

// One run of the program on a copy of the demo line, in this process.
struct ProgramRun {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
    ProgramRun(const fs::path& folder, const fs::path& master) {
        window.start();
        window.keep_recovery_journal(folder / "unsaved");
        port.set_default_answer(Answer::Yes);
        window.open_project(master.string());
    }
    void preserve_span_length(const std::string& length) {
        window.form().user_type("Span_Length_Edit", length);
        window.form().user_click("Commit_Span_Changes_BitBtn");
    }
    std::string first_span() { return window.form().items("Pole_Data_Listbox").front(); }
};

// A second program, vortan-cli, running a script to its end: its exit
// status and what it printed. A script that stops on a question nobody
// answers ends as a run that dies does, leaving whatever it wrote.
struct CliRun {
    int status = -1;
    std::string shown;
};

CliRun run_cli(const fs::path& folder, const std::string& script) {
    const fs::path file = folder / "second.vts";
    std::ofstream(file) << script;
    const std::string command = "VORTAN_JOURNAL_FOLDER='" + (folder / "second-unsaved").string() + "' '" VORTAN_CLI
                                "' script '" + file.string() + "' 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.shown.append(buffer, got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

size_t files_in(const fs::path& folder) {
    std::error_code error;
    size_t count = 0;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); ++it) ++count;
    return count;
}

class TwoRuns : public ::testing::Test {
protected:
    TwoRuns() : folder(fs::temp_directory_path() / ("vortan-two-runs-" + std::to_string(getpid()))) {
        master = testing::fresh_copy_of_demo(folder);
    }
    ~TwoRuns() override { fs::remove_all(folder); }

    // The second run opens the project (read-only when asked), changes a
    // span, tries Save and Save As over it, then dies on an unanswered question.
    CliRun second_run_edits_and_dies() {
        return run_cli(folder, "answer Yes\nfile " + master.string() +
                                   "\nclick Open_Option\nset Span_Length_Edit 999\n"
                                   "click Commit_Span_Changes_BitBtn\nclick Save_Option\nanswer Yes\nfile " +
                                   master.string() + "\nclick Save_As_Option\nclick Reset_BitBtn\n");
    }

    fs::path folder, master;
};

TEST_F(TwoRuns, TheSecondRunIsReadOnlyAndTheFirstRunsWorkIsNeitherUndoneNorLost) {
    auto first = std::make_unique<ProgramRun>(folder, master);
    first->preserve_span_length("311");
    ASSERT_TRUE(first->window.save_project());
    first->preserve_span_length("312");  // unsaved: in the first run's journal only
    const std::string saved = bytes_of(master), journal = bytes_of(journal::journal_of(master));

    const CliRun second = second_run_edits_and_dies();
    EXPECT_EQ(second.status, 3) << second.shown;
    for (const char* told : {"is open in another Vortan window (user ", "is open read-only",
                             "Saving over it would undo the changes saved there"})
        EXPECT_NE(second.shown.find(told), std::string::npos) << told << "\n" << second.shown;
    EXPECT_EQ(bytes_of(master), saved) << "the second run saved over the first";
    EXPECT_EQ(bytes_of(journal::journal_of(master)), journal) << "the second run wrote the first one's journal";
    EXPECT_EQ(files_in(folder / "second-unsaved"), 0u) << "a read-only run writes no journal";

    // Both have died: the next run is offered the first one's work.
    first.reset();
    ProgramRun next(folder, master);
    EXPECT_NE(next.first_span().find("\t312\t"), std::string::npos) << next.first_span();
    ASSERT_FALSE(next.port.messages().empty());
    EXPECT_NE(next.port.messages().front().find("can be recovered"), std::string::npos) << next.port.messages().front();
}

TEST_F(TwoRuns, ADeadRunsLockIsTakenOverWithoutAWordAndItsZombieHidesNoJournal) {
    const pid_t child = fork();
    if (child == 0) {
        ProgramRun run(folder, master);
        run.preserve_span_length("341");
        // Dies at once: no destructor lets the lock go, nor removes the journal.
        _exit(run.window.read_only() ? 1 : 0);
    }
    // Until it is reaped, the dead run stays a zombie, its process id taken.
    siginfo_t info{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
    ASSERT_EQ(info.si_status, 0);
    EXPECT_TRUE(fs::exists(storage::lock_file_of(master))) << "the dead run's lock file stays behind";
    ProgramRun next(folder, master);
    EXPECT_FALSE(next.window.read_only());
    ASSERT_EQ(next.port.messages().size(), 1u) << "the lock is taken over without a word";
    EXPECT_NE(next.port.messages().front().find("1 change made after it was last saved can be recovered"),
              std::string::npos)
        << next.port.messages().front();
    EXPECT_NE(next.first_span().find("\t341\t"), std::string::npos);
    waitpid(child, nullptr, 0);
}

// The disk fills while the run goes on: the entry being written is torn and
// none after it reaches the disk, so the next run must not say that only one
// change was lost.
TEST_F(TwoRuns, AJournalWhoseWritesFailedSaysTheChangesAfterTheFailureAreNotInIt) {
    const pid_t child = fork();
    if (child == 0) {
        ProgramRun run(folder, master);
        run.preserve_span_length("351");
        run.preserve_span_length("352");
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{static_cast<rlim_t>(fs::file_size(journal::journal_of(master)) + 40), RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &full);
        for (const char* length : {"353", "354", "355"}) run.preserve_span_length(length);
        _exit(run.port.messages().size() == 1 ? 0 : 1);  // the failure was said once
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ProgramRun next(folder, master);
    ASSERT_FALSE(next.port.messages().empty());
    const std::string offer = next.port.messages().front();
    EXPECT_NE(offer.find("2 changes made after it was last saved can be recovered"), std::string::npos) << offer;
    EXPECT_NE(offer.find("The journal stops at a change that could not be written in full; changes made after it "
                         "are not in it and cannot be recovered."),
              std::string::npos)
        << offer;
    EXPECT_NE(next.first_span().find("\t352\t"), std::string::npos);
}

TEST_F(TwoRuns, OnlyAScriptThatDiesLeavesAJournal) {
    struct Case {
        const char* ending;
        int status;
        size_t journals;
    };
    for (const Case& c : {Case{"", 0, 0}, Case{"click Reset_BitBtn\n", 3, 1}}) {
        SCOPED_TRACE(c.status);
        fs::remove_all(folder / "second-unsaved");
        const CliRun run = run_cli(folder, "click New_Option\nset From_Tower_Edit A1\nset To_Tower_Edit A2\n"
                                           "set Span_Length_Edit 250\nclick Commit_Span_Changes_BitBtn\n" +
                                               std::string(c.ending));
        EXPECT_EQ(run.status, c.status) << run.shown;
        size_t journals = 0;
        std::error_code error;
        for (const auto& item : fs::directory_iterator(folder / "second-unsaved", error))
            journals += item.path().extension() == ".journal";
        EXPECT_EQ(journals, c.journals);
    }
}

#endif

}  // namespace
}  // namespace vortan
