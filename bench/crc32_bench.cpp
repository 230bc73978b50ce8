// Our CRC-32 against zlib's on the same 64 MiB buffer, in one run.
#include "bench_clock.h"
#include "project/crc32.h"

#ifdef VORTAN_BENCH_ZLIB
#include <zlib.h>
#endif

#include <cstdio>
#include <random>
#include <vector>

int main() {
    constexpr size_t Size = 64u << 20;
    std::vector<unsigned char> buffer(Size);
    std::mt19937 random(20261208);
    for (auto& byte : buffer) byte = static_cast<unsigned char>(random());

    std::uint32_t ours = 0;
    double ours_seconds = 1e9;
    for (int run = 0; run < 3; ++run)
        ours_seconds = std::min(ours_seconds, vortan::bench::seconds_of([&] {
                                    ours = vortan::crc32(buffer.data(), buffer.size());
                                }));
    std::printf("vortan crc32: %08X  %.3f s  %.0f MiB/s\n", ours, ours_seconds, 64 / ours_seconds);
#ifdef VORTAN_BENCH_ZLIB
    unsigned long reference = 0;
    double zlib_seconds = 1e9;
    for (int run = 0; run < 3; ++run)
        zlib_seconds = std::min(zlib_seconds, vortan::bench::seconds_of([&] {
                                    reference = ::crc32(0L, buffer.data(), static_cast<uInt>(buffer.size()));
                                }));
    std::printf("zlib   crc32: %08lX  %.3f s  %.0f MiB/s\n", reference, zlib_seconds, 64 / zlib_seconds);
    if (reference != ours) {
        std::printf("MISMATCH\n");
        return 1;
    }
    std::printf("ours / zlib time: %.2f\n", ours_seconds / zlib_seconds);
#endif
    return 0;
}
