// A side file of a project: one list item a line, CR LF after every line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vortan {

// The lines of text; CR LF, a lone CR and a lone LF all end a line.
std::vector<std::string> split_lines(const std::string& text);
// Every line followed by CR LF; an empty list is no bytes at all.
std::string join_lines(const std::vector<std::string>& lines);

// The file's lines as UTF-8; a missing file is an empty list.
std::vector<std::string> read_side_file(const std::filesystem::path& file);
// The bytes a side file holds for these lines.
std::string side_file_bytes(const std::vector<std::string>& lines);

}  // namespace vortan
