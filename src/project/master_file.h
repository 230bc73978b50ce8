// The master file's bytes and its check of itself. The file carries the
// CRC-32 of its other bytes twice, as its first key and as its last, so that
// a file cut short or changed anywhere (one of the two keys included) is
// told from a whole one; a file with neither key was written before the check
// existed and is read as before. Earlier versions ignore both keys.
#pragma once

#include "project/profile_file.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vortan {

inline constexpr const char* Master_Check_Key = "Master_CRC";
inline constexpr const char* Master_Check_End_Key = "Master_CRC_Check";
// Far beyond any real master file (a few hundred bytes): a larger one is not read.
inline constexpr std::uintmax_t Master_File_Limit = 1 << 20;

enum class MasterState { Whole, Unchecked, Damaged, Missing };

struct MasterFile {
    MasterState state = MasterState::Missing;
    std::string damage;   // what is wrong, when damaged
    ProfileFile profile;  // its keys, unless damaged or missing
};

// The bytes a save writes for these keys, the check keys added.
std::string master_file_bytes(const ProfileFile& profile);
// What a master file's bytes hold. A UTF-8 byte-order mark (an editor's)
// is passed over.
MasterFile parse_master_bytes(std::string bytes);
MasterFile read_master_file(const std::filesystem::path& file);
// True when the file is a whole master file: checked, or written before the check.
inline bool is_readable(const MasterFile& master) {
    return master.state == MasterState::Whole || master.state == MasterState::Unchecked;
}

}  // namespace vortan
