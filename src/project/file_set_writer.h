// Writes a set of files so that a failed write never leaves the old set
// destroyed or mixed with the new one: every file goes to a temporary name
// beside it first, and only when all are written are they renamed into place,
// the first-listed last, each old file waiting aside until the whole new set
// is in and coming back if any file cannot be replaced.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vortan {

struct FileContent {
    std::filesystem::path path;
    std::string bytes;
};

// Empty on success; otherwise what went wrong, with every temporary file removed.
std::string write_file_set(const std::vector<FileContent>& files);

}  // namespace vortan
