// The help commands of the program and the launcher that runs them. The
// commands keep their classic "winhelp" form; where no such viewer exists (any
// current system) the program's own help opens at the command's topic.
#pragma once

#include "ui/userport.h"

#include <string>

namespace vortan {

inline constexpr const char* Help_File_Name = "vortan.hlp";

// The topics of the help: the method pages follow the method tabs, the setup
// pages the setup editor's tabs.
namespace help_topic {
inline constexpr int Contents = 0;
inline constexpr int Project_Details = 20;
inline constexpr int Commands = 21;
inline constexpr int Project_Files = 22;
inline constexpr int Sag_Spans = 23;
inline constexpr int Cable_Sags = 24;
inline constexpr int Sagging_Schedule = 25;
inline constexpr int Units = 26;
inline constexpr int Report = 27;
inline constexpr int First_Method = 100;
inline constexpr int First_Setup_Page = 200;
inline constexpr int Span_Diagram = 300;
inline constexpr int Accuracy_Notes = 301;
inline constexpr int Sag_Tolerance = 302;
inline constexpr int Stringing_Charts = 303;
}  // namespace help_topic

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
