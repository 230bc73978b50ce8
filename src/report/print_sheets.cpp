#include "report/print_sheets.h"

#include "report/report_pages.h"
#include "report/report_text.h"

#include <algorithm>

namespace vortan {

namespace {

using Lines = std::vector<std::string>;

std::vector<Lines> split_at_form_feeds(const Lines& lines) {
    std::vector<Lines> pages(1);
    for (const std::string& line : lines) {
        if (line == Report_Form_Feed)
            pages.emplace_back();
        else
            pages.back().push_back(line);
    }
    std::erase_if(pages, [](const Lines& page) { return page.empty(); });
    return pages;
}

bool is_report_page(const Lines& page) {
    if (page.size() < Report_Head_Lines + Report_Foot_Lines || page.front() != Report_Title) return false;
    const std::string& numbered = page[page.size() - Report_Foot_Lines + Report_Page_Number_Line];
    return numbered.find(Report_Page_Label) != std::string::npos;
}

// Every line on its sheet, a new sheet at each form feed and where one is full.
std::vector<Lines> cut_into_sheets(const std::vector<Lines>& pages, std::size_t sheet_size) {
    std::vector<Lines> sheets;
    for (const Lines& page : pages)
        for (std::size_t first = 0; first < page.size(); first += sheet_size)
            sheets.emplace_back(page.begin() + static_cast<std::ptrdiff_t>(first),
                                page.begin() + static_cast<std::ptrdiff_t>(std::min(page.size(), first + sheet_size)));
    return sheets;
}

// The report's data lines (each a blank and a line) shared out over sheets that
// each carry the first page's head and foot, the foot numbered by sheet.
std::vector<Lines> lay_out_report(const std::vector<Lines>& pages, std::size_t sheet_size) {
    Lines data;
    for (const Lines& page : pages)
        data.insert(data.end(), page.begin() + Report_Head_Lines, page.end() - Report_Foot_Lines);
    const std::size_t per_sheet =
        std::max<std::size_t>(2, (sheet_size - Report_Head_Lines - Report_Foot_Lines) / 2 * 2);
    const std::size_t count = std::max<std::size_t>(1, (data.size() + per_sheet - 1) / per_sheet);
    const Lines& first = pages.front();
    std::string numbered = first[first.size() - Report_Foot_Lines + Report_Page_Number_Line];
    numbered.erase(numbered.find(Report_Page_Label));
    std::vector<Lines> sheets;
    for (std::size_t n = 0; n < count; ++n) {
        Lines sheet(first.begin(), first.begin() + Report_Head_Lines);
        const std::size_t begin = std::min(data.size(), n * per_sheet);
        const std::size_t end = std::min(data.size(), begin + per_sheet);
        sheet.insert(sheet.end(), data.begin() + static_cast<std::ptrdiff_t>(begin),
                     data.begin() + static_cast<std::ptrdiff_t>(end));
        sheet.insert(sheet.end(), first.end() - Report_Foot_Lines, first.end());
        sheet[sheet.size() - Report_Foot_Lines + Report_Page_Number_Line] =
            numbered + report_page_number(n + 1, count);
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

}  // namespace

std::vector<std::vector<std::string>> print_sheets(const std::vector<std::string>& lines, int lines_per_sheet) {
    const auto sheet_size = static_cast<std::size_t>(std::max(1, lines_per_sheet));
    const std::vector<Lines> pages = split_at_form_feeds(lines);
    // A sheet too short for the head, the foot and one data line prints the text as it is.
    const bool report = !pages.empty() && sheet_size >= Report_Head_Lines + Report_Foot_Lines + 2 &&
                        std::all_of(pages.begin(), pages.end(), is_report_page);
    return report ? lay_out_report(pages, sheet_size) : cut_into_sheets(pages, sheet_size);
}

}  // namespace vortan
