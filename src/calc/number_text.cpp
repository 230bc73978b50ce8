#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vortan {

namespace {

// UTF-8 encodings of the space characters a locale may group digits with.
constexpr std::string_view Unicode_Spaces[] = {
    "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87",
    "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80",
};

void remove_all(std::string& text, std::string_view what) {
    if (what.empty()) return;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

void replace_all(std::string& text, std::string_view what, char with) {
    if (what.empty()) return;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        text.replace(at, what.size(), 1, with);
}

// A thousands separator stands only between groups of three digits of the
// integer part ("1,234.5"): "7,7" typed for 7.7 under a point-decimal locale
// is no number, rather than 77.
bool thousands_grouped(std::string_view text, const NumberFormat& numbers) {
    const std::string_view separator = numbers.thousands;
    if (separator.empty() || text.find(separator) == std::string_view::npos) return true;
    size_t integer_end = std::min(text.find('E'), numbers.decimal.empty() ? text.npos : text.find(numbers.decimal));
    if (integer_end != text.npos && text.find(separator, integer_end) != text.npos) return false;
    std::string_view integer = text.substr(0, integer_end);
    if (!integer.empty() && (integer.front() == '+' || integer.front() == '-')) integer.remove_prefix(1);
    bool first = true;
    while (true) {
        const size_t end = integer.find(separator);
        const std::string_view group = integer.substr(0, end);
        const bool digits = std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || group.empty() || group.size() > 3 || (!first && group.size() != 3)) return false;
        if (end == integer.npos) return true;
        integer.remove_prefix(end + separator.size());
        first = false;
    }
}

constexpr char Decimal_Mark = '\x01';  // stands for the locale's decimal separator while checking

// Steps 5 to 8 of the reader: the characters allowed and where the signs may stand.
bool well_formed(const std::string& text) {
    for (char special : {'+', '-', 'E', Decimal_Mark})
        if (std::count(text.begin(), text.end(), special) > 1) return false;
    for (char c : text)
        if (!(c >= '0' && c <= '9') && c != '+' && c != '-' && c != 'E' && c != Decimal_Mark)
            return false;
    if (text.find('E') == std::string::npos) {
        size_t plus = text.find('+'), minus = text.find('-');
        if ((plus != std::string::npos && plus != 0) || (minus != std::string::npos && minus != 0))
            return false;
    }
    return text != "+" && text != "-";
}

// For a value too small or too large to hold: true when it is too small.
bool is_underflow(std::string_view number) {
    size_t exponent_at = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, exponent_at);
    long exponent = 0;
    if (exponent_at != std::string_view::npos) {
        std::string_view e = number.substr(exponent_at + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        std::from_chars(e.data(), e.data() + e.size(), exponent);  // saturates on huge exponents
        if (e.size() > 6) exponent = (e.front() == '-') ? -1000000 : 1000000;
    }
    size_t point = mantissa.find('.');
    size_t integer_digits = point == std::string_view::npos ? mantissa.size() : point;
    size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return true;
    long magnitude = first < integer_digits ? static_cast<long>(integer_digits - first)
                                            : -static_cast<long>(first - integer_digits - 1);
    return magnitude + exponent < 0;
}

}  // namespace

double Text_To_Number(const std::string& original, const NumberFormat& numbers) {
    std::string text = original;
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    remove_all(text, " ");
    for (std::string_view space : Unicode_Spaces) remove_all(text, space);
    if (!thousands_grouped(text, numbers)) return Abort_Value;
    remove_all(text, numbers.thousands);
    if (text.empty()) return Abort_Value;
    replace_all(text, numbers.decimal, Decimal_Mark);
    if (!well_formed(text)) return Abort_Value;

    std::replace(text.begin(), text.end(), Decimal_Mark, '.');
    std::string_view number = text;
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return Abort_Value;
    if (error == std::errc::result_out_of_range) return is_underflow(number) ? 0.0 : Abort_Value;
    if (error != std::errc() || !std::isfinite(value)) return Abort_Value;
    return value;
}

std::optional<std::string> rewritten_number(const std::string& text, const NumberFormat& from, const NumberFormat& to) {
    if (Text_To_Number(text, from) == Abort_Value) return std::nullopt;
    std::string digits = text;
    remove_all(digits, " ");
    for (std::string_view space : Unicode_Spaces) remove_all(digits, space);
    remove_all(digits, from.thousands);
    replace_all(digits, from.decimal, Decimal_Mark);
    std::string rewritten;
    for (char c : digits) {
        if (c == Decimal_Mark) rewritten += to.decimal;
        else rewritten += c;
    }
    return rewritten;
}

namespace {

struct PatternShape {
    bool grouping = false;
    int decimals = 0;
    int min_integer_digits = 0;
};

PatternShape shape_of(const std::string& pattern) {
    PatternShape shape;
    size_t point = pattern.find('.');
    std::string integer_part = pattern.substr(0, point);
    shape.grouping = integer_part.find(',') != std::string::npos;
    shape.min_integer_digits = static_cast<int>(std::count(integer_part.begin(), integer_part.end(), '0'));
    if (point != std::string::npos)
        shape.decimals = static_cast<int>(pattern.size() - point - 1);
    return shape;
}

// |value| as decimal digits rounded to `decimals` places: the integer digits and the fraction digits.
std::pair<std::string, std::string> rounded_digits(double magnitude, int decimals) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, 14);
    (void)error;
    std::string_view sci(buffer, static_cast<size_t>(end - buffer));
    size_t e_at = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e_at))
        if (c != '.') digits += c;
    int exponent = 0;
    std::string_view e = sci.substr(e_at + 1);
    if (e.front() == '+') e.remove_prefix(1);
    std::from_chars(e.data(), e.data() + e.size(), exponent);

    // digits d0 d1 ... with the decimal point after position exponent + 1.
    int point = exponent + 1;
    if (point < 0) {
        digits.insert(0, static_cast<size_t>(-point), '0');
        point = 0;
    }
    int keep = point + decimals;
    if (keep < static_cast<int>(digits.size())) {
        bool round_up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        for (int i = keep - 1; round_up && i >= 0; --i) {
            char& d = digits[static_cast<size_t>(i)];
            if (d == '9') {
                d = '0';
            } else {
                ++d;
                round_up = false;
            }
        }
        if (round_up) {
            digits.insert(0, 1, '1');
            ++point;
        }
    }
    if (static_cast<int>(digits.size()) < point + decimals)
        digits.append(static_cast<size_t>(point + decimals) - digits.size(), '0');
    return {digits.substr(0, static_cast<size_t>(point)), digits.substr(static_cast<size_t>(point))};
}

std::string group_thousands(const std::string& integer_digits, const std::string& separator) {
    std::string grouped;
    int count = static_cast<int>(integer_digits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += separator;
        grouped += integer_digits[static_cast<size_t>(i)];
    }
    return grouped;
}

}  // namespace

std::string format_number(double value, const std::string& pattern, const NumberFormat& numbers) {
    if (!std::isfinite(value)) return "?";  // callers never write these; make a slip visible
    PatternShape shape = shape_of(pattern);
    auto [integer_digits, fraction] = rounded_digits(std::fabs(value), shape.decimals);
    integer_digits.erase(0, std::min(integer_digits.find_first_not_of('0'), integer_digits.size()));
    if (static_cast<int>(integer_digits.size()) < shape.min_integer_digits)
        integer_digits.insert(0, static_cast<size_t>(shape.min_integer_digits) - integer_digits.size(), '0');
    bool is_zero = integer_digits.find_first_not_of('0') == std::string::npos &&
                   fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !is_zero) ? "-" : "";
    out += shape.grouping ? group_thousands(integer_digits, numbers.thousands) : integer_digits;
    if (shape.decimals > 0) out += numbers.decimal + fraction;
    return out;
}

}  // namespace vortan
