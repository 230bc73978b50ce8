// Field extraction from record strings with any field number and delimiter.
//
// Input: bytes 0-3 the field number (any int, negative and huge ones too),
// byte 4 the delimiter length (0-3), then the delimiter, then the record.
// A field never holds the delimiter and is always a piece of the record; the
// TAB fields 1..k joined with TABs give the record back.
#include "project/record_fields.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace vortan;

namespace {

[[noreturn]] void fail(const char* what, int n, const std::string& text) {
    std::fprintf(stderr, "%s: field %d of \"%s\"\n", what, n, text.c_str());
    std::abort();
}

void check_field(int n, const std::string& delimiter, const std::string& text) {
    std::string field = extract_field(n, delimiter, text);
    if (!delimiter.empty() && field.find(delimiter) != std::string::npos) fail("field holds the delimiter", n, text);
    if (text.find(field) == std::string::npos) fail("field is no piece of the record", n, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5 || size > 4096) return 0;
    int32_t n;
    std::memcpy(&n, data, sizeof n);
    size_t delimiter_size = data[4] % 4;
    if (size < 5 + delimiter_size) return 0;
    const std::string delimiter(reinterpret_cast<const char*>(data + 5), delimiter_size);
    const std::string text(reinterpret_cast<const char*>(data + 5 + delimiter_size), size - 5 - delimiter_size);

    check_field(n, delimiter, text);
    for (int k : {n == INT32_MIN ? n : n - 1, n == INT32_MAX ? n : n + 1, 0, -1, 1, 2, INT32_MIN, INT32_MAX})
        check_field(k, delimiter, text);

    // A record of TAB-ended fields, as the side files store them, comes apart
    // into exactly its fields.
    if (!text.empty() && text.back() == '\t') {
        std::string joined;
        int fields = 0;
        for (int k = 1; k <= 64 && joined.size() < text.size(); ++k, ++fields)
            joined += record_field(text, k) + "\t";
        if (joined.size() <= text.size() && text.compare(0, joined.size(), joined) != 0)
            fail("fields do not join to the record", fields, text);
    }

    // Integers: a number written in decimal reads back as itself.
    auto value = strict_integer(text);
    if (value && strict_integer(std::to_string(*value)) != value) fail("integer does not read back", *value, text);
    strict_integer(record_field(text, n));
    return 0;
}
