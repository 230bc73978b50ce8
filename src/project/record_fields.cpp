#include "project/record_fields.h"

#include <charconv>

namespace vortan {

std::string extract_field(int n, const std::string& delimiter, std::string text) {
    if (n == 0 || delimiter.empty() || text.empty()) return "";
    // Once the text has run out every later field is empty too, so a huge
    // field number costs no more than the record has fields.
    for (int k = 1; k < n && !text.empty(); ++k) {
        size_t at = text.find(delimiter);
        if (at != std::string::npos)
            text.erase(0, at + delimiter.size());
        else if (k > 1)
            text.clear();
    }
    size_t at = text.find(delimiter);
    if (at != std::string::npos) text.erase(at);
    return text;
}

std::optional<int> strict_integer(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace vortan
