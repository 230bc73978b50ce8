#include "shell/scratch_folder.h"

#include <random>
#include <stdexcept>

namespace vortan {

namespace fs = std::filesystem;

namespace {

constexpr const char* Placeholder = "{scratch}";

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A folder of its own under the system's temporary folder.
fs::path new_temporary_folder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = fs::temp_directory_path() / ("vortan-scenario-" + std::to_string(random()));
        if (fs::create_directory(folder)) return folder;
    }
    throw std::runtime_error("no scratch folder could be made");
}

}  // namespace

ScratchFolder::ScratchFolder(fs::path fixtures) : fixtures_(std::move(fixtures)) {}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

std::string ScratchFolder::expand(const std::string& line) {
    if (line.find(Placeholder) == std::string::npos) return line;
    if (path_.empty()) {
        const fs::path folder = new_temporary_folder();
        path_ = folder.string();
        std::error_code error;
        if (!fixtures_.empty() && fs::is_directory(fixtures_, error))
            fs::copy(fixtures_, folder, fs::copy_options::recursive);
    }
    return replace_all(line, Placeholder, path_);
}

std::string ScratchFolder::written_back(std::string line) const {
    if (path_.empty()) return line;
    line = replace_all(std::move(line), path_, Placeholder);
    return replace_all(std::move(line), replace_all(path_, "\\", "\\\\"), Placeholder);
}

}  // namespace vortan
