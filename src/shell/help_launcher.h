// The help commands of the program and the launcher that runs them. The
// commands keep their classic "winhelp" form; where no such viewer exists (any
// current system) the program's own help opens at the command's topic.
#pragma once

#include "ui/userport.h"

#include <string>

namespace vortan {

inline constexpr const char* Help_File_Name = "vortan.hlp";

// "winhelp " folder "vortan.hlp": the contents.
std::string help_contents_command(const std::string& program_folder);
// The F1 form: one blank after "winhelp".
std::string help_context_command(int context, const std::string& program_folder);
// The help buttons' form: two blanks after "winhelp".
std::string help_topic_command(int topic, const std::string& program_folder);

// The topic a command opens: the number after "-n", 0 for the contents.
int help_topic_of(const std::string& command);

// Runs a help command: the program's own help at its topic.
void run_help_command(UserPort& port, const std::string& command);

}  // namespace vortan
