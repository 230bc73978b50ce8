// The few system calls a crash-safe journal needs: bytes that are on the
// disk when the call returns, and whether the process that wrote a journal
// still runs.
#pragma once

#include <filesystem>
#include <string>

namespace vortan::journal {

// Appends `bytes` to the file (creating it, or replacing it when `truncate`)
// and waits until the system has them on the disk. Empty on success,
// otherwise the reason.
std::string write_durably(const std::filesystem::path& file, const std::string& bytes, bool truncate);
// Replaces the file with `bytes` so that a crash at any moment leaves either
// the old file or the new one, whole.
std::string replace_durably(const std::filesystem::path& file, const std::string& bytes);
void sync_folder(const std::filesystem::path& file);

long this_process_id();
// True when a process with this id runs (or cannot be told apart from one
// that does): its journal is then not another run's to recover.
bool process_running(long id);

}  // namespace vortan::journal
