#include "project/crc32.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VORTAN_CRC_CLMUL 1
#include <immintrin.h>
#endif

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace vortan {

namespace {

// Slicing by eight: table k gives the CRC of a byte followed by k zero bytes,
// so eight bytes are folded in with eight lookups and no loop-carried shifts.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

const CrcTables& crc_tables() {
    static const CrcTables tables = [] {
        CrcTables t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][n] = c;
        }
        for (size_t k = 1; k < t.size(); ++k)
            for (size_t n = 0; n < 256; ++n) t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
        return t;
    }();
    return tables;
}

// Four bytes as a little-endian word, whatever the machine's byte order.
std::uint32_t word_at(const unsigned char* b) {
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
}

#ifdef VORTAN_CRC_CLMUL
// Folding with carry-less multiplication (the method of Intel's white paper
// "Fast CRC Computation for Generic Polynomials Using PCLMULQDQ"): four 128-bit
// lanes fold 64 bytes a step, then fold into one lane and reduce with Barrett.
// Takes and returns the inverted running state; size is at least 64 and a
// multiple of 16.
constexpr size_t Folding_Minimum = 64;

__m128i load(const unsigned char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

// A lane times x^(128 or 512) folded onto the next 128 bits of the data.
__attribute__((target("pclmul"))) __m128i fold(__m128i lane, __m128i k, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(lane, k, 0x00);
    const __m128i high = _mm_clmulepi64_si128(lane, k, 0x11);
    return _mm_xor_si128(_mm_xor_si128(high, low), next);
}

__attribute__((target("pclmul,sse4.1"))) std::uint32_t fold_crc(const unsigned char* bytes, size_t size,
                                                                  std::uint32_t state) {
    alignas(16) static const std::uint64_t k1k2[] = {0x0154442bd4, 0x01c6e41596};
    alignas(16) static const std::uint64_t k3k4[] = {0x01751997d0, 0x00ccaa009e};
    alignas(16) static const std::uint64_t k5k0[] = {0x0163cd6124, 0x0000000000};
    alignas(16) static const std::uint64_t poly[] = {0x01db710641, 0x01f7011641};
    __m128i x1 = _mm_xor_si128(load(bytes), _mm_cvtsi32_si128(static_cast<int>(state)));
    __m128i x2 = load(bytes + 16), x3 = load(bytes + 32), x4 = load(bytes + 48);
    bytes += 64;
    size -= 64;
    __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(k1k2));
    for (; size >= 64; bytes += 64, size -= 64) {
        x1 = fold(x1, k, load(bytes));
        x2 = fold(x2, k, load(bytes + 16));
        x3 = fold(x3, k, load(bytes + 32));
        x4 = fold(x4, k, load(bytes + 48));
    }
    // The four lanes into one, then the 16-byte blocks left.
    k = _mm_load_si128(reinterpret_cast<const __m128i*>(k3k4));
    x1 = fold(x1, k, x2);
    x1 = fold(x1, k, x3);
    x1 = fold(x1, k, x4);
    for (; size >= 16; bytes += 16, size -= 16) x1 = fold(x1, k, load(bytes));
    // 128 bits to 64.
    const __m128i mask = _mm_setr_epi32(~0, 0, ~0, 0);
    x2 = _mm_clmulepi64_si128(x1, k, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2);
    k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(k5k0));
    x2 = _mm_srli_si128(x1, 4);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x00), x2);
    // Barrett reduction to 32 bits.
    k = _mm_load_si128(reinterpret_cast<const __m128i*>(poly));
    x2 = _mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x10);
    x2 = _mm_clmulepi64_si128(_mm_and_si128(x2, mask), k, 0x00);
    x1 = _mm_xor_si128(x1, x2);
    return static_cast<std::uint32_t>(_mm_extract_epi32(x1, 1));
}

bool can_fold() {
    static const bool supported = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    return supported;
}
#endif

}  // namespace

std::uint32_t crc32(const void* data, size_t size, std::uint32_t crc) {
    const CrcTables& t = crc_tables();
    const auto* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
#ifdef VORTAN_CRC_CLMUL
    if (size >= Folding_Minimum && can_fold()) {
        const size_t folded = size & ~size_t{15};
        crc = fold_crc(bytes, folded, crc);
        bytes += folded;
        size -= folded;
    }
#endif
    for (; size >= 8; bytes += 8, size -= 8) {
        const std::uint32_t one = crc ^ word_at(bytes);
        const std::uint32_t two = word_at(bytes + 4);
        crc = t[7][one & 0xFF] ^ t[6][(one >> 8) & 0xFF] ^ t[5][(one >> 16) & 0xFF] ^ t[4][one >> 24] ^
              t[3][two & 0xFF] ^ t[2][(two >> 8) & 0xFF] ^ t[1][(two >> 16) & 0xFF] ^ t[0][two >> 24];
    }
    for (; size > 0; ++bytes, --size) crc = t[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::string crc_text(std::uint32_t crc) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(crc));
    return text;
}

bool file_in_use(const std::filesystem::path& file) {
#ifdef _WIN32
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return false;
#else
    int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0) return false;
    bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (!locked) ::flock(fd, LOCK_UN);
    ::close(fd);
    return locked;
#endif
}

std::string read_file_blocks(const std::filesystem::path& file, const FileBlockVisitor& visit,
                             const FileProgress& progress) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return "0";
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size == 0) return "0";
    // A lock held elsewhere is reported in place of the CRC; the bytes are
    // still read for a visitor where the system lets them be read.
    const bool in_use = file_in_use(file);
    if (in_use && !visit) return File_In_Use;
    std::ifstream in(file, std::ios::binary);
    // One small block used again and again: a buffer the size of a large file
    // costs more in fresh memory than the read itself.
    std::vector<char> block(32768);
    std::uint32_t crc = 0;
    std::uintmax_t read = 0;
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        crc = crc32(block.data(), got, crc);
        const bool go_on = !visit || visit(block.data(), got, size);
        read += got;
        if (progress) progress(read, size);
        if (!go_on) break;
    }
    return in_use ? File_In_Use : crc_text(crc);
}

std::string file_crc(const std::filesystem::path& file, const FileProgress& progress) {
    return read_file_blocks(file, {}, progress);
}

}  // namespace vortan
