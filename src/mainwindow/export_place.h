// Where the window's exports go: offered first in the folder of the project
// open, and said on the status line once written.
#pragma once

#include "form/form.h"

#include <filesystem>
#include <string>

namespace vortan {

// The folder of the project open; empty when no project has been opened or saved.
std::filesystem::path export_folder(const Form& main_window);

// The status line says what was written where.
void note_export(Form& main_window, const std::string& path);

}  // namespace vortan
