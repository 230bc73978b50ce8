// How many generated cases a test runs. All of them in a plain build; under
// the sanitizers (.ci/run sets VORTAN_GENERATED_PERCENT) a share, since there
// every case costs some fifteen times as much and the point is to check the
// memory each kind of case touches, not to count outcomes again.
#pragma once

#include <algorithm>
#include <cstdlib>

namespace vortan::testing {

inline int generated_percent() {
    const char* text = std::getenv("VORTAN_GENERATED_PERCENT");
    const long percent = text && *text ? std::strtol(text, nullptr, 10) : 100;
    return static_cast<int>(std::clamp(percent, 1L, 100L));
}

// `full` cases scaled to the share, at least one.
inline int generated(int full) { return std::max(1, full * generated_percent() / 100); }

// Is every case run, so that statistics over them hold?
inline bool all_generated() { return generated_percent() == 100; }

}  // namespace vortan::testing
