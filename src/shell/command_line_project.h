// The project named on the command line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vortan {

// The master file the arguments name. The system has split the command line
// already: one argument is used as it stands; several are joined with blanks
// when the joined name exists (a folder with blanks given unquoted), otherwise
// the first is used. Any extension gives way to ".vtn"; a relative name is
// taken from the current folder. Empty without arguments.
std::filesystem::path command_line_project(const std::vector<std::string>& arguments,
                                           const std::filesystem::path& current_folder);

}  // namespace vortan
