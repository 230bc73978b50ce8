#include "shell/help_launcher.h"

#include <charconv>

namespace vortan {

std::string help_contents_command(const std::string& program_folder) {
    return "winhelp " + program_folder + Help_File_Name;
}

std::string help_context_command(int context, const std::string& program_folder) {
    return "winhelp -n " + std::to_string(context) + " " + program_folder + Help_File_Name;
}

std::string help_topic_command(int topic, const std::string& program_folder) {
    return "winhelp  -n " + std::to_string(topic) + " " + program_folder + Help_File_Name;
}

int help_topic_of(const std::string& command) {
    const auto flag = command.find("-n ");
    if (flag == std::string::npos) return 0;
    auto start = command.find_first_not_of(' ', flag + 3);
    if (start == std::string::npos) return 0;
    int topic = 0;
    auto [end, error] = std::from_chars(command.data() + start, command.data() + command.size(), topic);
    (void)end;
    return error == std::errc() && topic >= 0 ? topic : 0;
}

void run_help_command(UserPort& port, const std::string& command) { port.show_help(help_topic_of(command)); }

}  // namespace vortan
