// The save against a process that dies: vortan-cli opens the demo line,
// changes it and saves it, and is killed with SIGKILL just before each of its
// file operations in turn (every rename among them) and at seeded random
// instants; the project opened afterwards must be the whole old one or the
// whole new one, and after a kill in the save, with the journal's offer
// taken, nothing of the changes may be lost.
//
// VORTAN_SAVE_KILL_SEED replays the random kills of one seed.
#include "mainwindow/main_window.h"
#include "project/project_file_set.h"
#include "setup/setup_editor.h"
#include "shell/scenario_script.h"
#include "ui/scriptedport.h"
#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vortan {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

constexpr int Random_Kills = 20;

std::vector<std::vector<std::string>> lists_of(MainWindow& window) {
    std::vector<std::vector<std::string>> lists;
    for (const SideFile& side : side_files())
        lists.push_back((side.main_window ? window.form() : window.setup().form()).items(side.list));
    lists.push_back({window.setup().form().text("Contract_Edit")});
    return lists;
}

fs::path fresh_demo(const fs::path& folder) {
    return testing::fresh_copy_of_demo(folder);
}

std::string script_for(const fs::path& master) {
    return "file " + master.string() + "\nclick Open_Option\nanswer Yes\nset Span_Length_Edit 333\n"
           "click Commit_Span_Changes_BitBtn\nsetup\nset Contract_Edit Restrung 2026\nend\nclick Save_Option\n"
           "print Load_Save_File_Edit\n";
}

// The project as an open shows it, the unfinished save's later state chosen
// when one is offered and, with `recover`, the journal's changes taken when
// they are offered; empty when it does not open or reads as tampered.
std::optional<std::vector<std::vector<std::string>>> opened(const fs::path& master, bool recover = false) {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window(port, setup);
    window.start();
    if (recover) window.keep_recovery_journal(master.parent_path() / "unsaved-check");
    port.queue_answer(Answer::Yes);
    port.queue_answer(Answer::Yes);
    if (!window.open_project(master.string())) return std::nullopt;
    for (const std::string& text : port.messages())
        if (text.find("tampered") != std::string::npos) return std::nullopt;
    return lists_of(window);
}

// Runs the script in vortan-cli, killed before file operation `operation`
// (0: not so) or `delay` after its start; true when it was killed.
bool run_killed(const fs::path& script, const fs::path& folder, long operation, std::chrono::microseconds delay) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        setenv("VORTAN_JOURNAL_FOLDER", (folder / "unsaved").c_str(), 1);
        if (operation > 0) setenv("VORTAN_KILL_BEFORE_OPERATION", std::to_string(operation).c_str(), 1);
        execl(VORTAN_CLI, "vortan-cli", "script", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (operation == 0) {
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(SaveKill, AKilledSaveLeavesTheWholeOldOrNewProject) {
    const fs::path root = fs::temp_directory_path() / ("vortan-save-kill-" + std::to_string(getpid()));
    const auto old_project = opened(fresh_demo(root / "old"));
    ASSERT_TRUE(old_project);
    // The new project, as the same script leaves it when nothing stops it.
    const fs::path script = root / "save.vts";
    const fs::path master = root / "run" / "demo-line.vtn";
    std::ofstream(script) << script_for(master);
    fresh_demo(root / "run");
    const auto started = std::chrono::steady_clock::now();
    ASSERT_FALSE(run_killed(script, root / "run", 1000000, {}));
    const auto whole_run = std::chrono::steady_clock::now() - started;
    const auto new_project = opened(master);
    ASSERT_TRUE(new_project);
    ASSERT_NE(*new_project, *old_project);

    // True when the project opens as the old one; a failure otherwise unless it is the new one.
    auto opens_old = [&](const std::string& kill) {
        const auto project = opened(master);
        EXPECT_TRUE(project && (*project == *old_project || *project == *new_project))
            << kill << ": the project opens as neither the whole old nor the whole new one";
        return project && *project == *old_project;
    };
    long operations = 0;
    for (long operation = 1;; ++operation) {
        fresh_demo(root / "run");
        if (!run_killed(script, root / "run", operation, {})) break;
        ++operations;
        // Every change was journaled before the save began: with the
        // journal's offer taken, nothing of it may be lost.
        const std::string kill = "killed before file operation " + std::to_string(operation);
        const auto project = opened(master, true);
        EXPECT_TRUE(project && *project == *new_project) << kill << ": the changes are lost";
    }
    EXPECT_GE(operations, 20);

    const char* seed_text = std::getenv("VORTAN_SAVE_KILL_SEED");
    const std::uint64_t seed = seed_text ? std::strtoull(seed_text, nullptr, 10) : 20261210;
    std::mt19937_64 random(seed);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(whole_run).count();
    for (int k = 0; k < Random_Kills; ++k) {
        fresh_demo(root / "run");
        const auto delay = std::chrono::microseconds(static_cast<long>(random() % static_cast<std::uint64_t>(span + 1)));
        run_killed(script, root / "run", 0, delay);
        opens_old("seed " + std::to_string(seed) + ", kill " + std::to_string(k) + " after " + std::to_string(delay.count()) + " us");
    }
    std::printf("killed before each of %ld file operations and at %d random instants\n", operations, Random_Kills);
    fs::remove_all(root);
}

#endif

}  // namespace
}  // namespace vortan
