// The window's side of the project lock: taking it when a project opens or
// is saved under a new name, and what the user is told when another run
// has the project open.
#pragma once

#include "storage/project_lock.h"
#include "ui/userport.h"

#include <filesystem>
#include <string>

namespace vortan {

enum class ProjectAccess {
    Writable,  // the lock is held (or none can be made there)
    ReadOnly,  // open elsewhere: shown, never saved over nor journalled
    Refused,   // open elsewhere, and the user chose not to open it
};

// Takes the lock of `master` into `lock`; when another run holds it the
// user chooses between a read-only project and none.
ProjectAccess take_lock_to_open(storage::ProjectLock& lock, const std::filesystem::path& master, UserPort& port);
// Takes the lock of `master` before it is written; false (and the user told
// why) when another run holds it.
bool take_lock_to_save(storage::ProjectLock& lock, const std::filesystem::path& master, UserPort& port);
// Save on a project opened read-only: why not, and what to do instead.
void refuse_read_only_save(const std::filesystem::path& master, UserPort& port);

std::string since_text(const DateTime& time);

}  // namespace vortan
