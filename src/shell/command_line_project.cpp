#include "shell/command_line_project.h"

namespace vortan {

namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

fs::path command_line_project(const std::vector<std::string>& arguments, const fs::path& current_folder) {
    if (arguments.empty()) return {};
    std::string name = arguments.front();
    if (arguments.size() > 1) {
        std::string joined = arguments.front();
        for (size_t i = 1; i < arguments.size(); ++i) joined += " " + arguments[i];
        joined = trimmed(joined);
        std::error_code error;
        fs::path candidate = fs::path(joined).is_relative() ? current_folder / joined : fs::path(joined);
        if (fs::exists(candidate, error)) name = joined;
    }
    name = trimmed(name);
    if (name.empty()) return {};
    fs::path project = name;
    // Only the last component carries an extension: "c:\my.projects\line" has none.
    project.replace_extension(".vtn");
    return project.is_relative() ? current_folder / project : project;
}

}  // namespace vortan
