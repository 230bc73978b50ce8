// Where the journals of unsaved projects are kept: VORTAN_JOURNAL_FOLDER
// when it is set, otherwise "journals" in the user's data folder for the
// program (on Linux ~/.local/share/Vortan/journals).
#pragma once

#include <filesystem>

namespace vortan::journal {

// Empty when the system names no such folder.
std::filesystem::path unsaved_journal_folder();

}  // namespace vortan::journal
