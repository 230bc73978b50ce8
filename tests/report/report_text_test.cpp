// Centring in a column, the fixed texts and the time stamp of the sag report.
#include "report/report_text.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

TEST(ReportText, CentringPutsOneBlankLessInFrontThanHalfTheFreeSpace) {
    struct Case {
        const char* value;
        int width;
        const char* expected;
    } cases[] = {
        {"T12", 15, "     T12       "},                      // d = 12: 5 in front, 7 behind
        {"", 15, "      " "         "},                        // d = 15: 6 and 9
        {"A", 2, "A "},                                         // d = 1: nothing in front
        {"AB", 4, "AB  "},                                      // d = 2: max(0, 1 - 1) = 0 in front
        {"AB", 6, " AB   "},                                    // d = 4: 1 in front
        {"Travelling Wave", 15, "Travelling Wave"},             // exactly the width
        {"ABCDEFGHIJKLMNOPQRST", 15, "ABCDEFGHIJKLMNOPQRST"},   // longer: kept whole
        {"3,281.00", 7, "3,281.00"},
        {"\u00B0C", 6, " \u00B0C   "},                         // two characters, three bytes
    };
    for (const Case& c : cases) EXPECT_EQ(centred(c.value, c.width), c.expected) << '"' << c.value << "\" in " << c.width;
}

TEST(ReportText, EveryFixedLineIs134Characters) {
    for (const std::string* line : {&report_long_rule(), &report_first_header(), &report_second_header(),
                                    &report_units_line(false), &report_units_line(true), &report_column_rule()})
        EXPECT_EQ(text_length(*line), 134u) << *line;
    EXPECT_NE(report_units_line(false).find("(\u00B0C)"), std::string::npos);
    EXPECT_NE(report_units_line(true).find("(\u00B0F)"), std::string::npos);
}

TEST(ReportText, TheColumnRuleUnderlinesEachColumnAndFillsTheLastOne) {
    namespace w = report_width;
    std::string expected;
    for (int width : {w::Near, w::Far, w::Length, w::Structure_Type, w::Cable_Position, w::Code_Name, w::Method,
                      w::Required_Sag, w::Actual_Sag, w::Temperature})
        expected += std::string(static_cast<std::size_t>(width - 1), '-') + " ";
    expected += std::string(w::Date, '-');  // so the rule is as long as the other lines
    EXPECT_EQ(report_column_rule(), expected);
}

TEST(ReportText, TheTimeStampUsesTheTwelveHourClock) {
    struct Case {
        DateTime now;
        const char* expected;
    } cases[] = {
        {{2026, 12, 7, 10, 30, 0}, "07-Dec-2026 @ 10:30 AM"},
        {{2027, 3, 5, 0, 5, 0}, "05-Mar-2027 @ 12:05 AM"},
        {{2027, 3, 5, 12, 0, 0}, "05-Mar-2027 @ 12:00 PM"},
        {{2027, 1, 31, 13, 9, 59}, "31-Jan-2027 @ 01:09 PM"},
        {{2027, 6, 1, 23, 59, 0}, "01-Jun-2027 @ 11:59 PM"},
    };
    for (const Case& c : cases) EXPECT_EQ(report_time_stamp(c.now), c.expected);
}

TEST(ReportText, APageTitleIsTheFirstLineOrTheLineAfterAFormFeed) {
    const std::vector<std::string> lines = {"Vortan Report.", "Vortan Report.", "\f", "Vortan Report.", " x"};
    EXPECT_TRUE(is_report_title(lines, 0));
    EXPECT_FALSE(is_report_title(lines, 1));  // the same text inside a page is no title
    EXPECT_TRUE(is_report_title(lines, 3));
    EXPECT_FALSE(is_report_title(lines, 4));
    EXPECT_FALSE(is_report_title(lines, 9));
}

}  // namespace
}  // namespace vortan
