// A side file of a project: one list item a line, CR LF after every line.
#pragma once

#include "project/crc32.h"

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
};

// The file read once, block by block: its lines and the CRC of its bytes.
// `progress` hears the bytes read so far after every block.
SideFileContents read_side_file(const std::filesystem::path& file, const FileProgress& progress = {});
// The bytes a side file holds for these lines.
std::string side_file_bytes(const std::vector<std::string>& lines);

}  // namespace vortan
