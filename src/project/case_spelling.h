// Project names that differ only in letter case. Windows and macOS do not tell
// them apart, so the program treats them as one project on every system: it
// finds the spellings on disk, and the files two such masters would share.
#pragma once

#include <filesystem>
#include <vector>

namespace vortan {

// The master files of the master's folder named as `master` but for letter
// case, the exact name included when it is there; sorted.
std::vector<std::filesystem::path> masters_spelled_alike(const std::filesystem::path& master);

// Of those, the ones that are other files than `master` (a case-sensitive
// file system holding two of them).
std::vector<std::filesystem::path> other_masters_spelled_alike(const std::filesystem::path& master);

// The side files on disk that `master` writes and `other` reads as its own.
std::vector<std::filesystem::path> side_files_shared_with(const std::filesystem::path& master,
                                                          const std::filesystem::path& other);

// The project `master` names, as it is spelled on disk: its master file (the
// exact name when that is there, else the one master spelled alike), every
// file of it that exists, and whether any of them is spelled otherwise than
// `master` gives it.
struct ProjectOnDisk {
    std::filesystem::path master;
    std::vector<std::filesystem::path> files;
    bool spelled_otherwise = false;
};
ProjectOnDisk project_as_spelled_on_disk(const std::filesystem::path& master);

}  // namespace vortan
