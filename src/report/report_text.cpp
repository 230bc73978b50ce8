#include "report/report_text.h"

#include "ui/date_text.h"

namespace vortan {

const std::string& report_long_rule() {
    static const std::string rule(134, '-');
    return rule;
}

const std::string& report_first_header() {
    static const std::string line =
        " Near / Left    Far / Right    Span    Structure                       Cable                     Required  Actual  Actual     Sag     ";
    return line;
}

const std::string& report_second_header() {
    static const std::string line =
        "  Structure      Structure    Length     Type       Cable Position   Code Name      Sag Method     Sag      Sag     Temp      Date    ";
    return line;
}

const std::string& report_units_line(bool imperial) {
    static const std::string metric =
        "                               (m)                                                                 (m)      (m)     (\u00B0C)              ";
    static const std::string feet =
        "                               (ft)                                                                (ft)     (ft)    (\u00B0F)              ";
    return imperial ? feet : metric;
}

const std::string& report_column_rule() {
    static const std::string rule =
        "-------------- -------------- ------ -------------- -------------- -------------- -------------- -------- -------- ------ ------------";
    return rule;
}

std::size_t text_length(const std::string& text) {
    std::size_t length = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++length;  // continuation bytes belong to the character before
    return length;
}

std::string centred(const std::string& value, int width) {
    const int free = width - static_cast<int>(text_length(value));
    if (free < 0) return value;
    const int before = free / 2 > 1 ? free / 2 - 1 : 0;
    std::string line(static_cast<std::size_t>(before), ' ');
    line += value;
    line.append(static_cast<std::size_t>(free - before), ' ');
    return line;
}

namespace {
std::string two_digits(int n) {
    return n < 10 && n >= 0 ? "0" + std::to_string(n) : std::to_string(n);
}
}  // namespace

std::string format_hh_mm_am_pm(const DateTime& time) {
    const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    return two_digits(hour) + ":" + two_digits(time.minute) + (time.hour < 12 ? " AM" : " PM");
}

std::string report_time_stamp(const DateTime& now) {
    return format_dd_mmm_yyyy(now) + " @ " + format_hh_mm_am_pm(now);
}

bool is_report_title(const std::vector<std::string>& lines, std::size_t i) {
    return i < lines.size() && lines[i] == Report_Title && (i == 0 || lines[i - 1] == Report_Form_Feed);
}

}  // namespace vortan
