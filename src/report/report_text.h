// The fixed texts of the sag report, the centring of a value in its column,
// and the time stamp of a report.
#pragma once

#include "ui/userport.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vortan {

inline constexpr int Report_Lines_Per_Page = 50;
inline constexpr const char* Report_Title = "Vortan Report.";
inline constexpr const char* Report_Form_Feed = "\f";

// Column widths in line order: near, far, span length, structure type, cable
// position, code name, method, required sag, actual sag, temperature, date.
namespace report_width {
inline constexpr int Near = 15, Far = 15, Length = 7, Structure_Type = 15, Cable_Position = 15,
                     Code_Name = 15, Method = 15, Required_Sag = 9, Actual_Sag = 9,
                     Temperature = 7, Date = 12;
}  // namespace report_width

// Each of these is 134 characters.
const std::string& report_long_rule();
const std::string& report_first_header();
const std::string& report_second_header();
const std::string& report_units_line(bool imperial);
const std::string& report_column_rule();

// The number of characters in a UTF-8 text.
std::size_t text_length(const std::string& text);

// The value centred in width characters: max(0, d div 2 - 1) blanks in front
// and the rest behind, d being what the value leaves free; a value longer than
// its column is kept whole.
std::string centred(const std::string& value, int width);

// "hh:mm AM" on the 12-hour clock.
std::string format_hh_mm_am_pm(const DateTime& time);
// "07-Dec-2026 @ 10:30 AM".
std::string report_time_stamp(const DateTime& now);

// Whether line i of a report's text is a page title (the first line of a page).
bool is_report_title(const std::vector<std::string>& lines, std::size_t i);

}  // namespace vortan
