// Field n of a record string: fields each followed by the delimiter, counted from 1.
#pragma once

#include <optional>
#include <string>

namespace vortan {

std::string extract_field(int n, const std::string& delimiter, std::string text);

// A decimal integer and nothing else, or nothing.
std::optional<int> strict_integer(const std::string& text);

inline std::string record_field(const std::string& record, int n) {
    return extract_field(n, "\t", record);
}

}  // namespace vortan
