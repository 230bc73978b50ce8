// The few system calls a crash-safe journal needs: bytes that are on the
// disk when the call returns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vortan::journal {

// Appends `bytes` to the file (creating it, or replacing it when `truncate`)
// and waits until the system has them on the disk. Empty on success,
// otherwise the reason.
std::string write_durably(const std::filesystem::path& file, const std::string& bytes, bool truncate);
// Writes `bytes` at `offset`, over whatever a failed write left there, ends
// the file after them and waits until the system has them on the disk.
std::string write_durably_at(const std::filesystem::path& file, const std::string& bytes, std::uintmax_t offset);
// Replaces the file with `bytes` so that a crash at any moment leaves either
// the old file or the new one, whole.
std::string replace_durably(const std::filesystem::path& file, const std::string& bytes);
void sync_folder(const std::filesystem::path& file);

long this_process_id();

}  // namespace vortan::journal
