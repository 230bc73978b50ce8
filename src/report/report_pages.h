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

// (n - 1) div 50 + 1: an empty report has one page.
std::size_t report_page_count(std::size_t data_lines);

// Every line of the report's text, page after page.
std::vector<std::string> report_pages(const ReportHeading& heading, const std::vector<std::string>& data_lines);

}  // namespace vortan
