// Runs a scenario script against a headless main window and writes what a
// user would have seen, line by line.
#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>

namespace vortan {

namespace storage {
class FileSystem;
}
class MainWindow;
class ScriptedPort;
class SetupEditor;

// Exit statuses of a script run.
inline constexpr int Script_Completed = 0;
inline constexpr int Script_Bad_Line = 2;
inline constexpr int Script_Unanswered = 3;

// `out` receives the transcript, `errors` the reason a script stopped early.
// "{scratch}" in the script is a fresh folder that starts with a copy of
// `fixtures` (see shell/scratch_folder.h).
// With `journal_folder`, the main window keeps its recovery journal as the
// window does, unsaved projects' journals in that folder. With `files`, the
// window opens and saves projects on that disk.
int run_scenario_script(std::istream& script, const std::function<void(const std::string&)>& out,
                        const std::function<void(const std::string&)>& errors,
                        const std::filesystem::path& fixtures = {},
                        const std::optional<std::filesystem::path>& journal_folder = std::nullopt,
                        storage::FileSystem* files = nullptr);
// The same against a main window the caller made and started, with its port
// and setup editor (a window on screen, for its pictures).
int run_scenario_script(std::istream& script, ScriptedPort& port, SetupEditor& setup, MainWindow& main,
                        const std::function<void(const std::string&)>& out,
                        const std::function<void(const std::string&)>& errors,
                        const std::filesystem::path& fixtures = {});

}  // namespace vortan
