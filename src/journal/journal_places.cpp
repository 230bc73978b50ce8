#include "journal/journal_places.h"

#include <cstdlib>

namespace vortan::journal {

namespace fs = std::filesystem;

namespace {

fs::path from_environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

fs::path data_folder() {
#if defined(_WIN32)
    return from_environment("APPDATA");
#elif defined(__APPLE__)
    const fs::path home = from_environment("HOME");
    return home.empty() ? home : home / "Library" / "Application Support";
#else
    if (fs::path data = from_environment("XDG_DATA_HOME"); data.is_absolute()) return data;
    const fs::path home = from_environment("HOME");
    return home.empty() ? home : home / ".local" / "share";
#endif
}

}  // namespace

fs::path unsaved_journal_folder() {
    if (fs::path chosen = from_environment("VORTAN_JOURNAL_FOLDER"); !chosen.empty()) return chosen;
    const fs::path data = data_folder();
    return data.empty() ? data : data / "Vortan" / "journals";
}

}  // namespace vortan::journal
