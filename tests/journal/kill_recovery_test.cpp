// The journal against a program that dies: vortan-cli runs a seeded script of
// preserves, deletes and setup changes on the demo line and is killed with
// SIGKILL at random points; the project is then opened again, its journal
// recovered, and what comes back must be a state the script reached: at
// least the state after the last step the run printed as done (nothing lost),
// and one the run had written down (nothing invented).
//
// VORTAN_KILL_SEED runs the scripts of one seed; a failure prints the seed,
// the kill point and the script up to the step that was running.
#include "journal/recovery_journal.h"
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
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vortan {
namespace {

namespace fs = std::filesystem;

constexpr int Scripts = 10;
constexpr int Kills_Per_Script = 20;
constexpr int Steps_Per_Script = 30;
constexpr const char* Marker = "Pole_Number_SpinEdit=";

journal::ProjectState state_of(MainWindow& window) {
    journal::ProjectState state;
    const Form& setup = window.setup().form();
    for (const char* name : Project_Texts) state.values[name] = setup.text(name);
    for (const char* name : Vertical_Circles) state.values[name] = setup.checked(name) ? "1" : "0";
    for (const SideFile& side : side_files())
        state.lists[side.list] = (side.main_window ? window.form() : setup).items(side.list);
    return state;
}

// The names whose values or lists differ, for a failure's message.
std::string differences(const journal::ProjectState& a, const journal::ProjectState& b) {
    std::string names;
    for (const auto& [name, value] : a.values)
        if (!b.values.count(name) || b.values.at(name) != value) names += " " + name + "(" + value + ")";
    for (const auto& [name, lines] : a.lists)
        if (!b.lists.count(name) || b.lists.at(name) != lines) names += " " + name;
    return names.empty() ? " none" : names;
}

// One step of a surveyor's work, as scenario lines; every step ends by
// printing the sag-span shown, the mark that it is done.
std::string random_step(std::mt19937_64& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto number = [&](int low, int high) { return std::to_string(low + pick(high - low + 1)); };
    std::string step;
    switch (pick(9)) {
    case 0: step = "click Next_Tower_BitBtn"; break;
    case 1: step = "click Previous_Tower_BitBtn"; break;
    case 2: step = "set Upper_Sag_Edit " + number(4, 12) + "." + number(0, 9) + "\nclick Commit_Cable_Bundle_Changes_BitBtn"; break;
    case 3: step = "set Actual_Cable_Temperature_Edit " + number(-5, 40) + "\nclick Commit_Cable_Bundle_Changes_BitBtn"; break;
    case 4: step = "set Span_Length_Edit " + number(180, 420) + "\nclick Commit_Span_Changes_BitBtn"; break;
    case 5: step = "answer Yes\nclick Delete_Curr_Cable_Details_BitBtn"; break;
    case 6: step = "answer Yes\nclick Delete_Curr_Span_Details_BitBtn"; break;
    case 7: step = "select Cable_Position_ComboBox " + number(0, 2); break;
    default: step = "setup\nset Inspector_Surname_Edit Surveyor " + number(1, 99) + "\nend"; break;
    }
    // Unpreserved edits asked about on leaving are preserved.
    return "answer Yes\nanswer Yes\n" + step + "\nprint Pole_Number_SpinEdit";
}

std::string copy_of_demo(const fs::path& folder) {
    return testing::fresh_copy_of_demo(folder).string();
}

// The script run in this process: the state after each step, and the
// journal's entries up to it.
struct Expected {
    std::vector<journal::ProjectState> after_step;  // [0]: just opened
    std::vector<size_t> entries_after_step;
    std::vector<journal::ProjectState> after_entries;  // [n]: the opened project and n entries
};

// Steps after one the script cannot finish (a question it has no answer
// for ends a run) are dropped.
Expected run_here(std::vector<std::string>& steps, const fs::path& folder) {
    const std::string master = copy_of_demo(folder);
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window(port, setup);
    window.start();
    window.keep_recovery_journal(folder / "unsaved");
    Expected expected;
    auto run = [&](const std::string& text) {
        std::istringstream in(text);
        return run_scenario_script(in, port, setup, window, [](const std::string&) {}, [](const std::string&) {});
    };
    run("file " + master + "\nclick Open_Option");
    expected.after_entries.push_back(state_of(window));
    for (size_t n = 0; n <= steps.size(); ++n) {
        if (n > 0 && run(steps[n - 1]) != Script_Completed) {
            steps.resize(n - 1);
            break;
        }
        expected.after_step.push_back(state_of(window));
        auto journal = journal::read_journal(journal::journal_of(master));
        const size_t entries = journal ? journal->entries.size() : 0;
        expected.entries_after_step.push_back(entries);
        for (size_t e = expected.after_entries.size() - 1; e < entries; ++e) {
            journal::ProjectState state = expected.after_entries.back();
            EXPECT_TRUE(journal::apply(journal->entries[e], state));
            expected.after_entries.push_back(std::move(state));
        }
        // Everything done is written down by the end of its step.
        EXPECT_TRUE(expected.after_entries.back() == expected.after_step.back())
            << "the journal misses:" << differences(expected.after_step.back(), expected.after_entries.back()) << "\nstep " << n << ": " << (n ? steps[n - 1] : "open");
    }
    return expected;
}

#ifndef _WIN32
// Runs the script in vortan-cli and kills it `delay` after it printed
// `steps_done` marks; the marks it printed in all.
int run_and_kill(const fs::path& script, const fs::path& folder, int steps_done, std::chrono::microseconds delay,
                 bool& killed) {
    int out[2];
    if (pipe(out) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("VORTAN_JOURNAL_FOLDER", (folder / "unsaved").c_str(), 1);
        execl(VORTAN_CLI, "vortan-cli", "script", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string seen;
    int marks = 0;
    killed = false;
    char buffer[4096];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        seen.append(buffer, static_cast<size_t>(got));
        marks = 0;
        for (size_t at = seen.find(Marker); at != std::string::npos; at = seen.find(Marker, at + 1)) ++marks;
        if (!killed && marks >= steps_done) {
            std::this_thread::sleep_for(delay);
            kill(child, SIGKILL);
            killed = true;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    killed = killed && WIFSIGNALED(status);
    marks = 0;
    for (size_t at = seen.find(Marker); at != std::string::npos; at = seen.find(Marker, at + 1)) ++marks;
    return marks;
}

journal::ProjectState recovered(const std::string& master, const fs::path& folder) {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window(port, setup);
    window.start();
    window.keep_recovery_journal(folder / "unsaved");
    port.queue_answer(Answer::Yes);
    window.open_project(master);
    return state_of(window);
}

TEST(KillRecovery, AKilledRunGivesBackEveryStepItShowedAndNothingElse) {
    const std::uint64_t first_seed = std::getenv("VORTAN_KILL_SEED") ? std::strtoull(std::getenv("VORTAN_KILL_SEED"), nullptr, 10) : 20261210;
    const int scripts = std::getenv("VORTAN_KILL_SEED") ? 1 : Scripts;
    const fs::path root = fs::temp_directory_path() / ("vortan-kill-" + std::to_string(getpid()));
    int kills = 0, recovered_steps = 0;
    for (int s = 0; s < scripts; ++s) {
        const std::uint64_t seed = first_seed + static_cast<std::uint64_t>(s);
        std::mt19937_64 random(seed);
        std::vector<std::string> steps;
        for (int n = 0; n < Steps_Per_Script; ++n) steps.push_back(random_step(random));
        const Expected expected = run_here(steps, root / "expected");
        ASSERT_GE(steps.size(), 2u) << "seed " << seed << ": the script stops at once";
        int script_kills = 0;
        for (int k = 0; script_kills < Kills_Per_Script && k < 3 * Kills_Per_Script; ++k) {
            const fs::path folder = root / "run";
            const std::string master = copy_of_demo(folder);
            std::string text = "file " + master + "\nclick Open_Option\nprint Pole_Number_SpinEdit\n";
            for (const std::string& step : steps) text += step + "\n";
            // A line it cannot read stops the run as one that dies: a script
            // that reaches its end removes its journal.
            text += "stop-here\n";
            const fs::path script = root / "script.vts";
            std::ofstream(script) << text;
            // The first mark is the open; the last step's would race the run's end.
            const int kill_after = 1 + static_cast<int>(random() % steps.size());
            const auto delay = std::chrono::microseconds(random() % 3000);
            bool killed = false;
            const int marks = run_and_kill(script, folder, kill_after, delay, killed);
            if (!killed) continue;
            ++kills;
            ++script_kills;
            const size_t done = static_cast<size_t>(std::max(0, marks - 1));  // the first mark is the open
            const journal::ProjectState state = recovered(master, folder);
            const size_t lowest = expected.entries_after_step[done];
            const size_t highest = expected.entries_after_step[std::min(done + 1, steps.size())];
            bool found = false;
            for (size_t e = lowest; e <= highest && !found; ++e) found = state == expected.after_entries[e];
            recovered_steps += static_cast<int>(done);
            if (!found) {
                std::string shortest = "file demo-line.vtn\nclick Open_Option\n";
                for (size_t n = 0; n <= done && n < steps.size(); ++n) shortest += steps[n] + "\n";
                FAIL() << "seed " << seed << ", kill " << k << ": killed " << delay.count() << " us after step "
                       << done << " was shown; the recovered project is no state between the last step shown ("
                       << lowest << " journal entries) and the next (" << highest << ").\nScript to the step running:\n"
                       << shortest;
            }
        }
    }
    fs::remove_all(root);
    std::printf("%d kills, %d steps done before them in all\n", kills, recovered_steps);
    EXPECT_GE(kills, scripts == 1 ? 1 : 200);
}
#endif

}  // namespace
}  // namespace vortan
