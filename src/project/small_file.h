// A small file read whole, but never more than a bound: a file that is a
// folder, cannot be read or has grown beyond reason gives the reason instead
// of its bytes, and nothing is thrown.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace vortan {

struct SmallFile {
    bool exists = false;  // false for a missing file (or a link to nothing): no bytes, no problem
    std::string bytes;
    std::string problem;  // empty when read whole; otherwise a sentence saying what is wrong
};

SmallFile read_small_file(const std::filesystem::path& file, std::size_t most_bytes);

// Where a file (or the folder it would go in) stands in the way of writing it
// whole; empty when nothing does.
std::string obstacle_to_writing(const std::filesystem::path& file);

}  // namespace vortan
