// The strict number reader and the display patterns on arbitrary text.
//
// Input: byte 0 picks the separators (a fixed locale, or two bytes of the
// input as a free-form pair, as `locale` in a scenario may set); the rest is
// the text typed. Every number read must be finite, and every finite number
// written with a display pattern must read back, close to what was written.
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using vortan::Abort_Value;
using vortan::NumberFormat;

namespace {

const NumberFormat Fixed_Formats[] = {
    {",", "."},             // English
    {".", ","},             // German
    {"\xE2\x80\xAF", ","},  // French: narrow no-break space groups the digits
    {"'", "."},             // Swiss
    {" ", ","},             // a plain blank
};

const char* const Patterns[] = {vortan::pattern::Measure, vortan::pattern::Stored, vortan::pattern::Angle,
                                vortan::pattern::Time, vortan::pattern::Percent};

[[noreturn]] void fail(const char* what, const std::string& text, double value) {
    std::fprintf(stderr, "%s: text \"%s\" value %.17g\n", what, text.c_str(), value);
    std::abort();
}

// Separators a user's locale can have: one non-digit, non-sign character each,
// different from each other, no lower-case letter (the reader sees the text in
// upper case). Only these promise a round trip.
bool sane(const NumberFormat& f) {
    auto plain = [](const std::string& s) {
        if (s.empty()) return false;
        for (char c : s)
            if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '+' || c == '-' || c == 'E' || c == '\x01')
                return false;
        return true;
    };
    return plain(f.thousands) && plain(f.decimal) && f.thousands != f.decimal &&
           f.thousands.find(f.decimal) == std::string::npos && f.decimal.find(f.thousands) == std::string::npos &&
           f.decimal != " " && f.decimal.find('\t') == std::string::npos;
}

void check_written(double value, const NumberFormat& numbers) {
    for (const char* pattern : Patterns) {
        std::string written = vortan::format_number(value, pattern, numbers);
        double back = vortan::Text_To_Number(written, numbers);
        if (back != Abort_Value && !std::isfinite(back)) fail("written text reads as not finite", written, value);
        if (!sane(numbers)) continue;
        if (written.find('e') != std::string::npos || written.find('E') != std::string::npos)
            fail("exponent written", written, value);
        // "-0.5" is fine; "-0.00" is not.
        if (written.front() == '-' && written.find_first_of("123456789") == std::string::npos)
            fail("negative zero written", written, value);
        // Abort_Value itself is written and read like any other number.
        if (back == Abort_Value && value != Abort_Value &&
            std::fabs(value - Abort_Value) > 1)
            fail("written number does not read back", written, value);
        // The pattern rounds to its decimals; 15 significant digits limit the rest.
        const char* point = std::strchr(pattern, '.');
        int decimals = point ? static_cast<int>(std::strlen(point + 1)) : 0;
        double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-13;
        if (std::fabs(back - value) > tolerance * 1.0000001) fail("written number reads back far off", written, value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096) return 0;
    NumberFormat numbers;
    size_t used = 1;
    if (data[0] < 0xC0) {
        numbers = Fixed_Formats[data[0] % std::size(Fixed_Formats)];
    } else {
        if (size < 3) return 0;
        numbers.thousands.assign(1, static_cast<char>(data[1]));
        numbers.decimal.assign(1, static_cast<char>(data[2]));
        used = 3;
    }
    const std::string text(reinterpret_cast<const char*>(data + used), size - used);

    const double value = vortan::Text_To_Number(text, numbers);
    if (value != Abort_Value) {
        if (!std::isfinite(value)) fail("text reads as not finite", text, value);
        check_written(value, numbers);
    }
    // The same bytes as a raw double: the formatter must cope with any value.
    if (size - used >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + used, sizeof raw);
        if (std::isfinite(raw)) {
            // Beyond this the 15 significant digits cannot carry 8 decimals.
            if (std::fabs(raw) < 1e300) check_written(raw, numbers);
        } else if (vortan::format_number(raw, vortan::pattern::Measure, numbers) != "?") {
            fail("a value that is not finite was written as a number", "", raw);
        }
    }
    return 0;
}
