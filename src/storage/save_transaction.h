// The save of a set of files as one durable transaction: a crash or power
// cut at any instant leaves the complete old set or the complete new one on
// the disk, and success is reported only once the new set is there.
//
// Every new file is first written beside its old one as "~NAME.tmp" and
// flushed, and the folder flushed; then each file is made current, the first
// one (the master, which names the set) last: the old file becomes
// "~NAME.bak" and "~NAME.tmp" becomes NAME; the folder is flushed again. Only
// then do the "~NAME.bak" files and the files the caller no longer needs
// (the recovery journal) go. A failure before the new set is on the disk
// puts every name back as it was.
#pragma once

#include "storage/file_system.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vortan::storage {

struct FileContent {
    std::filesystem::path path;
    std::string bytes;
    // The bytes already lie in the file's "~NAME.tmp" (a mend of a save
    // that did not finish): flushed there, not written again.
    bool in_temporary = false;
    // The file keeps the modification time of this one (a mend: a journal
    // made after that save must still read as newer than it).
    std::filesystem::path time_of = {};
};

struct SaveSet {
    std::vector<FileContent> files;             // the master first
    std::vector<std::filesystem::path> leaving;  // files that leave the set: kept aside until it is in
    std::vector<std::filesystem::path> remove_after;  // gone once the new set is on the disk
};

// The names a save keeps a file's generations under.
std::filesystem::path temporary_of(const std::filesystem::path& file);
std::filesystem::path backup_of(const std::filesystem::path& file);

// Empty on success; otherwise what failed, with the file named and the
// system's cause, the old set and the files to remove after as they were.
std::string save_file_set(FileSystem& files, const SaveSet& set);

}  // namespace vortan::storage
