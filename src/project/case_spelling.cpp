#include "project/case_spelling.h"

#include "project/project_file_set.h"
#include "project/text_compare.h"

#include <algorithm>

namespace vortan {

namespace fs = std::filesystem;

namespace {

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace

std::vector<fs::path> masters_spelled_alike(const fs::path& master) {
    std::vector<fs::path> masters;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_of(master), error)) {
        const fs::path& path = entry.path();
        if (same_ignoring_case(path.filename().string(), master.filename().string()) && entry.is_regular_file(error))
            masters.push_back(path);
    }
    std::sort(masters.begin(), masters.end());
    return masters;
}

std::vector<fs::path> other_masters_spelled_alike(const fs::path& master) {
    std::vector<fs::path> others = masters_spelled_alike(master);
    std::erase_if(others, [&](const fs::path& other) {
        return other.filename() == master.filename() || same_file(other, master);
    });
    return others;
}

std::vector<fs::path> side_files_shared_with(const fs::path& master, const fs::path& other) {
    std::vector<fs::path> shared;
    std::error_code error;
    for (const SideFile& side : side_files()) {
        const fs::path written = side_file_path(master, side.extension);
        if (fs::exists(written, error) && written == side_file_path(other, side.extension)) shared.push_back(written);
    }
    return shared;
}

ProjectOnDisk project_as_spelled_on_disk(const fs::path& master) {
    ProjectOnDisk project{master, {}, false};
    const std::vector<fs::path> alike = masters_spelled_alike(master);
    const bool exact = std::any_of(alike.begin(), alike.end(),
                                   [&](const fs::path& found) { return found.filename() == master.filename(); });
    if (!exact && alike.size() == 1) project.master = alike.front();
    project.files = project_files_on_disk(project.master);
    for (const fs::path& file : project.files) {
        bool as_named = file.filename() == master.filename();
        for (const SideFile& side : side_files())
            as_named = as_named || file.filename() == side_file_to_write(master, side.extension).filename();
        project.spelled_otherwise = project.spelled_otherwise || !as_named;
    }
    return project;
}

}  // namespace vortan
