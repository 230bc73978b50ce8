// Every test process, and every program a test starts, keeps its settings,
// data and journals in the build tree, never in the user's folders. Set
// before main() so that nothing can read the user's folders first (ctest's
// ENVIRONMENT would do, but a discovered test's list of variables does not
// survive gtest_discover_tests).
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void point(const char* name, const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
#ifdef _WIN32
    _putenv_s(name, folder.string().c_str());
#else
    setenv(name, folder.c_str(), 1);
#endif
}

const bool pointed = [] {
    const std::filesystem::path home = VORTAN_TEST_HOME;
    point("HOME", home);
    point("XDG_CONFIG_HOME", home / "config");
    point("XDG_DATA_HOME", home / "data");
    point("APPDATA", home / "data");
    point("VORTAN_JOURNAL_FOLDER", home / "journals");
    return true;
}();

}  // namespace
