// The demo line shipped in examples/, copied for a test that changes it.
#pragma once

#include <filesystem>

namespace vortan::testing {

// `folder` emptied (made when missing) and the demo project's files copied
// into it; the copy's master file.
inline std::filesystem::path fresh_copy_of_demo(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(VORTAN_EXAMPLES_DIR))
        if (entry.path().stem() == "demo-line" && entry.path().extension() != ".vts")
            fs::copy_file(entry.path(), folder / entry.path().filename());
    return folder / "demo-line.vtn";
}

}  // namespace vortan::testing
