#include "report/report_pages.h"

#include "report/report_text.h"

#include <algorithm>

namespace vortan {

namespace {

void add_title_block(const ReportHeading& heading, std::vector<std::string>& text) {
    text.push_back(Report_Title);
    text.insert(text.end(), {"", " Contract          : " + heading.contract, "",
                             " Contractor        : " + heading.contractor, "",
                             " Transmission Line : " + heading.transmission_line, "", ""});
}

void add_column_headings(const ReportHeading& heading, std::vector<std::string>& text) {
    text.push_back(" " + report_first_header());
    text.push_back(" " + report_second_header());
    text.push_back(" " + report_units_line(heading.imperial));
    text.push_back(" " + report_column_rule());
}

void add_footer(const ReportHeading& heading, std::size_t page, std::size_t pages, std::vector<std::string>& text) {
    text.push_back("");
    text.push_back(" " + report_long_rule());
    text.push_back("    Prepared on : " + heading.time_stamp + std::string(79, ' ') + report_page_number(page, pages));
    text.push_back(" " + report_long_rule());
    text.push_back(Report_Form_Feed);
}

}  // namespace

std::string report_page_number(std::size_t page, std::size_t pages) {
    return Report_Page_Label + std::to_string(page) + " of " + std::to_string(pages) + ".";
}

std::size_t report_page_count(std::size_t data_lines) {
    return data_lines == 0 ? 1 : (data_lines - 1) / Report_Lines_Per_Page + 1;
}

std::vector<std::string> report_pages(const ReportHeading& heading, const std::vector<std::string>& data_lines) {
    const std::size_t pages = report_page_count(data_lines.size());
    std::vector<std::string> text;
    text.reserve(pages * 24 + data_lines.size() * 2);
    auto next = data_lines.begin();
    for (std::size_t page = 1; page <= pages; ++page) {
        add_title_block(heading, text);
        add_column_headings(heading, text);
        const auto page_end = next + std::min<std::ptrdiff_t>(Report_Lines_Per_Page, data_lines.end() - next);
        for (; next != page_end; ++next) {
            text.push_back("");
            text.push_back(" " + *next);
        }
        add_footer(heading, page, pages, text);
    }
    return text;
}

}  // namespace vortan
