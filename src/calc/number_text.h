// Numbers as the user types and reads them: the strict reader and the display
// patterns, with the separators of the number format in force.
#pragma once

#include <optional>
#include <string>

namespace vortan {

// The value a reader returns for a missing, unreadable or declined entry.
inline constexpr double Abort_Value = -9999999.0;

struct NumberFormat {
    std::string thousands = ",";
    std::string decimal = ".";
};

// The display patterns the calculation writes fields with.
namespace pattern {
inline constexpr const char* Measure = "###,###,##0.00";      // lengths, sags, forces
inline constexpr const char* Stored = "##0.00000000";         // values converted for storage, never grouped
inline constexpr const char* Angle = "###0.0000";             // DDD.MMSS angles
inline constexpr const char* Time = "##0.0";                  // times, temperatures
inline constexpr const char* Percent = "##0";                 // followed by " %"
}  // namespace pattern

// The number in the text, or Abort_Value. A text that parses to a value that is
// not finite (1e999) is not a number; an underflow reads as 0.
double Text_To_Number(const std::string& text, const NumberFormat& numbers);

// The number in `text`, read with `from`'s separators, written with `to`'s
// decimal separator and no grouping, every digit as typed; nothing when the
// text is not a number. Stored numbers are plain ("1219.5"), whatever the
// separators they were typed or are shown with.
std::optional<std::string> rewritten_number(const std::string& text, const NumberFormat& from, const NumberFormat& to);

// value written with a pattern of "#", "0", "," and "."; rounds half away from
// zero on the value's 15 significant digits, never writes "-0" or an exponent.
std::string format_number(double value, const std::string& pattern, const NumberFormat& numbers);

}  // namespace vortan
