// The states of a project that the disk holds after a save that did not
// finish: besides the plain set, the earlier save that was being replaced
// ("~NAME.bak") and the later one that was going in ("~NAME.tmp"). A state is
// whole when its master file is whole and every side file it has a check
// for lies, with exactly that CRC, under one of the file's three names.
#pragma once

#include "storage/file_system.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vortan::storage {

struct StateFile {
    std::filesystem::path plain;   // the file's own name
    std::filesystem::path source;  // where the state's bytes lie; empty: the file is empty
};

struct SavedState {
    StateFile master;
    std::vector<StateFile> sides;                // every side file its master checks
    std::vector<std::filesystem::path> leaving;  // plain side files the state does not have
};

struct SavedStates {
    bool plain_whole = false;       // the set opens as it is
    bool generation_files = false;  // some "~NAME.tmp" or "~NAME.bak" of the project lies beside it
    std::optional<SavedState> earlier, later;  // the whole ones
};

SavedStates find_saved_states(FileSystem& files, const std::filesystem::path& master);
// True when some "~NAME.tmp" or "~NAME.bak" of the project lies beside it;
// asks the disk for names only, so that every open can ask it.
bool has_generation_files(FileSystem& files, const std::filesystem::path& master);
// Every generation name the project's files can have.
std::vector<std::filesystem::path> generation_files_of(const std::filesystem::path& master);
// Writes `state` back as the plain set through the save transaction, then
// removes every generation file. Empty on success, otherwise why not, the
// files as they were.
std::string mend_saved_state(FileSystem& files, const std::filesystem::path& master, const SavedState& state);

}  // namespace vortan::storage
