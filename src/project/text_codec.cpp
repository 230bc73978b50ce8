#include "project/text_codec.h"

#include <algorithm>

#include <cstdint>

namespace vortan {

namespace {

// The characters of bytes 0x80 to 0x9F; the five bytes Windows leaves
// undefined stand for the C1 control of the same number.
constexpr char32_t High_Controls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of valid UTF-8 at `at`, advancing it; nothing when invalid.
std::optional<char32_t> next_code_point(const std::string& text, size_t& at) {
    auto byte = [&text](size_t i) { return static_cast<std::uint8_t>(text[i]); };
    std::uint8_t lead = byte(at);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + static_cast<size_t>(length) > text.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        std::uint8_t next = byte(at + static_cast<size_t>(i));
        if ((next >> 6) != 2) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t Shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Shortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    at += static_cast<size_t>(length);
    return c;
}

}  // namespace

std::string windows_1252_to_utf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char b : bytes) {
        auto byte = static_cast<std::uint8_t>(b);
        append_utf8(out, byte >= 0x80 && byte < 0xA0 ? High_Controls[byte - 0x80] : byte);
    }
    return out;
}

std::optional<std::string> utf8_to_windows_1252(const std::string& text) {
    std::string out;
    for (size_t at = 0; at < text.size();) {
        auto c = next_code_point(text, at);
        if (!c) return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            out += static_cast<char>(*c);
            continue;
        }
        bool found = false;
        for (int i = 0; i < 32 && !found; ++i) {
            if (High_Controls[i] == *c) {
                out += static_cast<char>(0x80 + i);
                found = true;
            }
        }
        if (!found) return std::nullopt;
    }
    return out;
}

bool is_valid_utf8(const std::string& bytes) {
    for (size_t at = 0; at < bytes.size();)
        if (!next_code_point(bytes, at)) return false;
    return true;
}

std::string decode_file_text(std::string bytes) {
    const bool beyond_ascii =
        std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<std::uint8_t>(b) >= 0x80; });
    // Plain ASCII reads the same in both encodings.
    if (!beyond_ascii) return bytes;
    if (is_valid_utf8(bytes)) return bytes;
    return windows_1252_to_utf8(bytes);
}

std::string encode_file_text(const std::string& text) {
    // Windows-1252 bytes that happen to be valid UTF-8 ("Ã©" is C3 A9, which is
    // "é" in UTF-8) would read back as other characters: such text is written
    // as UTF-8, which reads back as it is.
    if (auto bytes = utf8_to_windows_1252(text); bytes && decode_file_text(*bytes) == text) return *bytes;
    return text;
}

}  // namespace vortan
