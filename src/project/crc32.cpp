#include "project/crc32.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <vector>

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

}  // namespace

std::uint32_t crc32(const void* data, size_t size, std::uint32_t crc) {
    const CrcTables& t = crc_tables();
    const auto* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
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

std::string file_crc(const std::filesystem::path& file,
                     const std::function<void(std::uintmax_t, std::uintmax_t)>& progress) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return "0";
    std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size == 0) return "0";
    if (file_in_use(file)) return File_In_Use;
    std::ifstream in(file, std::ios::binary);
    std::vector<char> block(32768);
    std::uint32_t crc = 0;
    std::uintmax_t read = 0, reported = 0;
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        auto got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        crc = crc32(block.data(), got, crc);
        read += got;
        if (progress && read - reported >= 10000) {
            progress(read, size);
            reported = read;
        }
    }
    return crc_text(crc);
}

}  // namespace vortan
