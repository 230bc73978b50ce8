// Side files and profile files are bytes in the Windows ANSI code page
// (Windows-1252); strings in memory are UTF-8.
#pragma once

#include <optional>
#include <string>

namespace vortan {

// Windows-1252 bytes as UTF-8.
std::string windows_1252_to_utf8(const std::string& bytes);
// UTF-8 as Windows-1252 bytes, or nothing when a character has no byte there.
std::optional<std::string> utf8_to_windows_1252(const std::string& text);

// A file's bytes as text: UTF-8 when they are valid UTF-8 with a character
// beyond ASCII (a file we wrote because 1252 could not hold it), else 1252.
std::string decode_file_text(std::string bytes);
// Text as file bytes: Windows-1252 when every character fits and the bytes
// read back as the same text, else UTF-8, so no character is ever lost.
std::string encode_file_text(const std::string& text);

bool is_valid_utf8(const std::string& bytes);

}  // namespace vortan
