#include "project/side_file_warning.h"

#include "project/crc32.h"

#include <system_error>

namespace vortan {
namespace fs = std::filesystem;

namespace {

std::string what_is_wrong(const SideFile& side, const fs::path& file, const fs::path& master, const std::string& crc) {
    const std::string name = file.filename().string();
    std::error_code error;
    if (crc == File_In_Use)
        return name + " is in use by another program.  Close that program and open the project again.";
    if (!fs::exists(file, error))
        return name + " is missing, so its " + side.holds +
               " are not loaded.  Restore it from a copy of the project.";
    if (crc == "0")
        return name + " is empty, so its " + side.holds + " are not loaded.  Restore it from a copy of the project.";
    return name + " was changed outside this program: it does not match the check kept in " +
           master.filename().string() + ".  Restore it from a copy of the project, or load it and check its " +
           side.holds + ".";
}

}  // namespace

std::string side_file_warning_line(const SideFile& side, const fs::path& file, const fs::path& master,
                                   const std::string& crc) {
    return std::string("\t") + side.warning_name + " (" + side.holds + "): " + what_is_wrong(side, file, master, crc) +
           "\n\r";
}

}  // namespace vortan
