#include "ui/date_text.h"

#include <cstdio>

namespace vortan {

std::string format_dd_mmm_yyyy(const DateTime& date) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* month = (date.month >= 1 && date.month <= 12) ? months[date.month - 1] : "???";
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%s-%04d", date.day, month, date.year);
    return text;
}

}  // namespace vortan
