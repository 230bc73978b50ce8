// The pages of the sag report's text, and the sheets they are printed on.
#include "report/print_sheets.h"
#include "report/report_pages.h"
#include "report/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vortan {
namespace {

constexpr std::size_t Lines_Before_Data = 13;  // title block and column headings
constexpr std::size_t Lines_After_Data = 5;    // blank, rule, footer, rule, form feed

std::vector<std::string> data(std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) lines.push_back("line " + std::to_string(i + 1));
    return lines;
}

std::vector<std::string> footers(const std::vector<std::string>& text) {
    std::vector<std::string> found;
    for (const std::string& line : text)
        if (line.starts_with("    Prepared on")) found.push_back(line.substr(line.find("Page :")));
    return found;
}

TEST(ReportPages, PagesHoldFiftyDataLinesAndAnEmptyReportHasOnePage) {
    struct Case {
        std::size_t data_lines;
        std::vector<std::string> footers;
    } cases[] = {
        {0, {"Page : 1 of 1."}},
        {1, {"Page : 1 of 1."}},
        {50, {"Page : 1 of 1."}},
        {51, {"Page : 1 of 2.", "Page : 2 of 2."}},
        {100, {"Page : 1 of 2.", "Page : 2 of 2."}},
        {101, {"Page : 1 of 3.", "Page : 2 of 3.", "Page : 3 of 3."}},
    };
    for (const Case& c : cases) {
        const auto text = report_pages({}, data(c.data_lines));
        EXPECT_EQ(footers(text), c.footers) << c.data_lines << " data lines";
        EXPECT_EQ(text.size(), c.footers.size() * (Lines_Before_Data + Lines_After_Data) + 2 * c.data_lines);
        EXPECT_EQ(std::count(text.begin(), text.end(), "\f"), static_cast<long>(c.footers.size()));
    }
}

TEST(ReportPages, APageIsTheTitleBlockTheHeadingsTheDataAndTheFooter) {
    const ReportHeading heading{"C-1", "Crews", "North", true, "05-Mar-2027 @ 02:07 PM"};
    const auto text = report_pages(heading, {"first", "second"});
    const std::vector<std::string> expected = {
        "Vortan Report.", "", " Contract          : C-1", "", " Contractor        : Crews", "",
        " Transmission Line : North", "", "",
        " " + report_first_header(), " " + report_second_header(), " " + report_units_line(true),
        " " + report_column_rule(),
        "", " first", "", " second",
        "", " " + report_long_rule(),
        "    Prepared on : 05-Mar-2027 @ 02:07 PM" + std::string(79, ' ') + "Page : 1 of 1.",
        " " + report_long_rule(), "\f"};
    EXPECT_EQ(text, expected);
}

TEST(ReportPages, TheSecondPageStartsWithTheFiftyFirstDataLine) {
    const auto text = report_pages({}, data(51));
    const auto second_title = std::find(text.begin() + 1, text.end(), "Vortan Report.");
    ASSERT_NE(second_title, text.end());
    EXPECT_EQ(*(second_title - 1), "\f");
    EXPECT_EQ(*(second_title + static_cast<long>(Lines_Before_Data) + 1), " line 51");
}

TEST(PrintSheets, ANewSheetAtEveryFormFeedAndWhereASheetIsFull) {
    using Sheets = std::vector<std::vector<std::string>>;
    struct Case {
        std::vector<std::string> lines;
        int per_sheet;
        Sheets expected;
    } cases[] = {
        {{}, 10, {}},
        {{"a", "b", "\f"}, 10, {{"a", "b"}}},
        {{"a", "\f", "b", "\f"}, 10, {{"a"}, {"b"}}},
        {{"a", "b", "c", "d", "e", "\f"}, 2, {{"a", "b"}, {"c", "d"}, {"e"}}},
        {{"a", "b", "\f", "c"}, 2, {{"a", "b"}, {"c"}}},  // a full sheet and a form feed: no empty sheet
        {{"\f", "\f", "a"}, 3, {{"a"}}},
        {{"a", "", "b"}, 0, {{"a"}, {""}, {"b"}}},       // blank lines are printed; at least one line a sheet
    };
    for (const Case& c : cases) EXPECT_EQ(print_sheets(c.lines, c.per_sheet), c.expected);
}

// Whatever the sheet's length, every sheet of a report has its headings at
// the top and its footer, numbered by sheet, at the foot, and the data lines
// come out once each, in order.
TEST(PrintSheets, EverySheetOfAReportHasItsHeadingsAndFooter) {
    for (std::size_t lines : {0, 1, 49, 50, 51, 137}) {
        const auto text = report_pages({}, data(lines));
        for (int per_sheet : {20, 47, 60, 118, 400}) {
            const auto sheets = print_sheets(text, per_sheet);
            std::vector<std::string> printed_data;
            for (std::size_t n = 0; n < sheets.size(); ++n) {
                const auto& sheet = sheets[n];
                const std::string where = std::to_string(lines) + " lines, " + std::to_string(per_sheet) + " a sheet";
                ASSERT_LE(sheet.size(), static_cast<std::size_t>(per_sheet)) << where;
                EXPECT_EQ(sheet.front(), "Vortan Report.") << where;
                EXPECT_EQ(sheet[Lines_Before_Data - 1], " " + report_column_rule()) << where;
                EXPECT_EQ(footers(sheet), std::vector<std::string>{"Page : " + std::to_string(n + 1) + " of " +
                                                                   std::to_string(sheets.size()) + "."})
                    << where;
                EXPECT_EQ(sheet.back(), " " + report_long_rule()) << where;
                for (std::size_t i = Lines_Before_Data; i + Lines_After_Data - 1 < sheet.size(); ++i)
                    if (!sheet[i].empty()) printed_data.push_back(sheet[i].substr(1));
            }
            EXPECT_EQ(printed_data, data(lines)) << lines << " lines, " << per_sheet << " a sheet";
        }
    }
}

}  // namespace
}  // namespace vortan
