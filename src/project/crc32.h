// The CRC-32 of zip and zlib, and the file CRC text a project master file keeps.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vortan {

std::uint32_t crc32(const void* data, size_t size, std::uint32_t crc = 0);

inline constexpr const char* File_In_Use = "Error - File in Use";

// Upper-case hexadecimal without leading zeros ("0" for a missing or empty
// file), or File_In_Use when another program holds the file locked.
// `progress` hears the bytes read so far, every 10000 bytes or so.
std::string file_crc(const std::filesystem::path& file,
                     const std::function<void(std::uintmax_t read, std::uintmax_t size)>& progress = {});

std::string crc_text(std::uint32_t crc);

// True when another process holds an exclusive lock on the file.
bool file_in_use(const std::filesystem::path& file);

}  // namespace vortan
