// A side file of a project: one list item a line, CR LF after every line.
#pragma once

#include "project/crc32.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vortan {

// The lines of text; CR LF, a lone CR and a lone LF all end a line.
std::vector<std::string> split_lines(const std::string& text);
// Every line followed by CR LF; an empty list is no bytes at all.
std::string join_lines(const std::vector<std::string>& lines);

struct SideFileContents {
    std::vector<std::string> lines;  // as UTF-8; none for a missing file
    std::string crc;                 // the file's CRC text, as file_crc gives it
    std::string refused;             // why the file was not read (its lines and CRC are then empty)
};

// Beyond anything a line holds: a project of 100,000 sag-spans and a million
// cable sags (160 MiB of cable sags) stays well inside both.
struct SideFileLimits {
    std::uintmax_t most_bytes = std::uintmax_t{512} << 20;
    std::size_t most_lines = 2'000'000;
};

// The file read once, block by block: its lines and the CRC of its bytes.
// `progress` hears the bytes read so far after every block. A file over the
// limits is refused before it is read (its size) or as soon as a line too
// many is cut (its lines).
SideFileContents read_side_file(const std::filesystem::path& file, const FileProgress& progress = {},
                                const SideFileLimits& limits = {});
// The bytes a side file holds for these lines.
std::string side_file_bytes(const std::vector<std::string>& lines);

}  // namespace vortan
