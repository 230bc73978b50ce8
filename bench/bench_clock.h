// Wall-clock timing for the benchmarks.
#pragma once

#include <chrono>

namespace vortan::bench {

template <typename Work>
double seconds_of(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace vortan::bench
