#include "project/small_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace vortan {

namespace fs = std::filesystem;

namespace {

std::string cannot_read(const std::string& reason) { return "It cannot be read (" + reason + ")."; }

enum class Kind { Missing, File, Folder, Other, Unknown };

Kind kind_of(const fs::path& file, std::string& reason) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return Kind::Missing;
    if (error) {
        reason = error.message();
        return Kind::Unknown;
    }
    if (fs::is_directory(status)) return Kind::Folder;
    return fs::is_regular_file(status) ? Kind::File : Kind::Other;
}

const char* const Is_A_Folder = "It is a folder, not a file.";
const char* const Is_Not_A_File = "It is not an ordinary file.";

std::string too_large(std::uintmax_t size, std::size_t most) {
    return "It holds " + std::to_string(size) + " bytes; a file of this kind never holds more than " +
           std::to_string(most) + ".";
}

SmallFile read_bounded(const fs::path& file, std::size_t most) {
    SmallFile result;
    std::string reason;
    const Kind kind = kind_of(file, reason);
    result.exists = kind != Kind::Missing;
    if (kind == Kind::Unknown) result.problem = cannot_read(reason);
    if (kind == Kind::Folder) result.problem = Is_A_Folder;
    if (kind == Kind::Other) result.problem = Is_Not_A_File;
    if (kind != Kind::File) return result;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error && size > most) {
        result.problem = too_large(size, most);
        return result;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.problem = cannot_read(errno != 0 ? std::strerror(errno) : "it could not be opened");
        return result;
    }
    // One byte beyond the bound tells a file that grew since it was measured.
    result.bytes.resize(most + 1);
    in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
    if (in.bad()) {
        result.bytes.clear();
        result.problem = cannot_read("a read of it failed");
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() > most) {
        result.problem = too_large(result.bytes.size(), most);
        result.bytes.clear();
    }
    return result;
}

}  // namespace

SmallFile read_small_file(const fs::path& file, std::size_t most_bytes) {
    try {
        return read_bounded(file, most_bytes);
    } catch (const std::exception& failure) {
        SmallFile result;
        result.exists = true;
        result.problem = cannot_read(failure.what());
        return result;
    }
}

std::string obstacle_to_writing(const fs::path& file) {
    std::string reason;
    switch (kind_of(file, reason)) {
        // Replacing would move a folder aside, or write through a device.
        case Kind::Folder: return std::string(Is_A_Folder) + "  It was left as it is.";
        case Kind::Other: return Is_Not_A_File;
        default: return "";
    }
}

}  // namespace vortan
