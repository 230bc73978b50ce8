// The scenario driver on arbitrary script text.
//
// The script is cut to a bounded size and number of lines so one input cannot
// run for long. Lines that name files (`file` answers to the open, save and
// delete dialogs, and `set` of the hidden project path fields) are rewritten
// so that every path lies in a folder of this process: a script can save,
// open and delete projects, but only there. Nothing may crash, hang or throw;
// bad lines end the script with its exit status.
#include "shell/scenario_script.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr size_t Max_Script_Bytes = 4096;
constexpr int Max_Lines = 64;

const fs::path& sandbox() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("vortan-scenario-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(f);
        // Removed when the fuzzer exits normally; kept after a crash.
        std::atexit([] {
            std::error_code error;
            fs::remove_all(fs::temp_directory_path() / ("vortan-scenario-fuzz-" + std::to_string(::getpid())), error);
        });
        return f;
    }();
    return folder;
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The last part of any path, as a name inside the sandbox.
std::string in_sandbox(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") name = "unnamed";
    return (sandbox() / name).string();
}

// The text `set` types: the rest of the line after the second blank, as the driver takes it.
std::string typed_text(const std::string& line) {
    size_t at = 0;
    for (int w = 0; w < 2; ++w) {
        at = line.find(' ', at);
        if (at == std::string::npos) return "";
        ++at;
    }
    return line.substr(at);
}

std::string sandboxed(const std::string& line) {
    std::istringstream words(line);
    std::string command, name;
    words >> command;
    if (command == "file") {
        std::string rewritten = "file", argument;
        while (words >> argument) rewritten += " " + in_sandbox(argument);
        return rewritten;
    }
    if (command == "set") {
        words >> name;
        if (same_ignoring_case(name, "Load_Save_Directory_Edit")) return "set " + name + " " + sandbox().string() + "/";
        if (same_ignoring_case(name, "Load_Save_File_Edit")) {
            std::string text = typed_text(line);
            return "set " + name + " " + (text.empty() ? "" : in_sandbox(text));
        }
    }
    return line;
}

void clear_sandbox() {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(sandbox(), error)) fs::remove_all(entry.path(), error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), std::min(size, Max_Script_Bytes));
    std::string script;
    std::istringstream lines(input);
    std::string line;
    for (int n = 0; n < Max_Lines && std::getline(lines, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        script += sandboxed(line) + "\n";
    }
    clear_sandbox();
    std::istringstream in(script);
    int status = vortan::run_scenario_script(
        in, [](const std::string&) {}, [](const std::string&) {});
    if (status != vortan::Script_Completed && status != vortan::Script_Bad_Line && status != vortan::Script_Unanswered) {
        std::fprintf(stderr, "unexpected script status %d\n", status);
        std::abort();
    }
    return 0;
}
