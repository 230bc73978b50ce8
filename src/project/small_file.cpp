#include "project/small_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace vortan {

namespace fs = std::filesystem;

namespace {

std::string cannot_read(const std::string& reason) { return "It cannot be read (" + reason + ")."; }

// The type of the file, or the reason it cannot be told.
std::string problem_of_kind(const fs::path& file, bool& exists) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    exists = status.type() != fs::file_type::not_found;
    if (!exists) return "";
    if (error) return cannot_read(error.message());
    if (fs::is_directory(status)) return "It is a folder, not a file.";
    if (!fs::is_regular_file(status)) return "It is not an ordinary file.";
    return "";
}

std::string too_large(std::uintmax_t size, std::size_t most) {
    return "It holds " + std::to_string(size) + " bytes; a file of this kind never holds more than " +
           std::to_string(most) + ".";
}

SmallFile read_bounded(const fs::path& file, std::size_t most) {
    SmallFile result;
    result.problem = problem_of_kind(file, result.exists);
    if (!result.exists || !result.problem.empty()) return result;
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
    bool exists = false;
    std::string problem = problem_of_kind(file, exists);
    // A folder in the file's place would be moved aside by the replacement.
    if (problem.starts_with("It is a folder")) return problem + "  It was left as it is.";
    if (problem.starts_with("It is not an ordinary")) return problem;
    return "";
}

}  // namespace vortan
