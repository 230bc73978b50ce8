// Runs a scenario script against a headless main window and writes what a
// user would have seen, line by line.
#pragma once

#include <functional>
#include <istream>
#include <string>

namespace vortan {

// Exit statuses of a script run.
inline constexpr int Script_Completed = 0;
inline constexpr int Script_Bad_Line = 2;
inline constexpr int Script_Unanswered = 3;

// `out` receives the transcript, `errors` the reason a script stopped early.
int run_scenario_script(std::istream& script, const std::function<void(const std::string&)>& out,
                        const std::function<void(const std::string&)>& errors);

}  // namespace vortan
