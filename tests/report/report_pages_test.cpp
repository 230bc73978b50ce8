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

TEST(PrintSheets, AReportPageTooLongForASheetContinuesOnTheNext) {
    const auto text = report_pages({}, data(50));  // 117 lines and a form feed
    const auto sheets = print_sheets(text, 60);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].size(), 60u);
    EXPECT_EQ(sheets[1].size(), text.size() - 61);
    EXPECT_EQ(sheets[1].back(), " " + report_long_rule());
}

}  // namespace
}  // namespace vortan
