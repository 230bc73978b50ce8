// The text of the sag report: its data lines cut into pages of 50, each page
// with the title block, the column headings, the footer and a form feed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vortan {

struct ReportHeading {
    std::string contract;
    std::string contractor;
    std::string transmission_line;
    bool imperial = false;
    std::string time_stamp;
};

// Every page: this many lines above its data (the title block and the column
// headings) and below it (the footer, before the form feed), whose line
// Report_Page_Number_Line ends with the page's number.
inline constexpr std::size_t Report_Head_Lines = 13;
inline constexpr std::size_t Report_Foot_Lines = 4;
inline constexpr std::size_t Report_Page_Number_Line = 2;

// "Page : n of m.", the end of the footer's numbered line.
inline constexpr const char* Report_Page_Label = "Page : ";
std::string report_page_number(std::size_t page, std::size_t pages);

// (n - 1) div 50 + 1: an empty report has one page.
std::size_t report_page_count(std::size_t data_lines);

// Every line of the report's text, page after page.
std::vector<std::string> report_pages(const ReportHeading& heading, const std::vector<std::string>& data_lines);

}  // namespace vortan
