// A project whose last save did not finish: the open says so, offers the
// whole states the disk still holds, and mends the one chosen before it
// opens. A project changed outside the program (no generation files beside
// it) is not this question's.
#pragma once

#include "storage/file_system.h"
#include "ui/userport.h"

#include <filesystem>

namespace vortan {

// False when the open must stop here: the user left the files as they are,
// the mend failed, or the master is gone and no state is whole. True when
// the plain set is to be opened (mended, or nothing to settle).
bool settle_unfinished_save(UserPort& port, storage::FileSystem& files, const std::filesystem::path& master);

}  // namespace vortan
