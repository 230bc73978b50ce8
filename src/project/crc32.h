// The CRC-32 of zip and zlib, and the file CRC text a project master file keeps.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vortan {

std::uint32_t crc32(const void* data, size_t size, std::uint32_t crc = 0);

inline constexpr const char* File_In_Use = "Error - File in Use";

using FileProgress = std::function<void(std::uintmax_t read, std::uintmax_t size)>;
// False stops the reading after this block.
using FileBlockVisitor = std::function<bool(const char* data, size_t size, std::uintmax_t file_size)>;

// Upper-case hexadecimal without leading zeros ("0" for a missing or empty
// file), or File_In_Use when another program holds the file locked.
// `progress` hears the bytes read so far after every block of 32 KiB.
std::string file_crc(const std::filesystem::path& file, const FileProgress& progress = {});

// The file read once, block by block: each block goes to `visit`, and the
// file's CRC text comes back as file_crc gives it. A locked file is still
// read for the visitor where the system lets it be read. A visitor that
// stops the reading leaves the CRC text of the blocks read so far.
std::string read_file_blocks(const std::filesystem::path& file, const FileBlockVisitor& visit,
                             const FileProgress& progress = {});

std::string crc_text(std::uint32_t crc);

// True when another process holds an exclusive lock on the file.
bool file_in_use(const std::filesystem::path& file);

}  // namespace vortan
