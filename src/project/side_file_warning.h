// One line of the warning an open gives for side files whose contents do not
// match the check the master file keeps: the file's list name, then the file
// by name, what is wrong with it and what the user can do.
#pragma once

#include "project/project_file_set.h"

#include <filesystem>
#include <string>

namespace vortan {

// `crc` is the check computed for `file` as read ("0" for a missing or empty
// file, the in-use text for one another program holds). Ends in "\n\r".
std::string side_file_warning_line(const SideFile& side, const std::filesystem::path& file,
                                   const std::filesystem::path& master, const std::string& crc);

}  // namespace vortan
