// The check record of the demo line: what its rows show for a sagged and a
// checked cable sag in either unit system, its CSV, and how any number of
// rows is shared out over sheets.
#include "checkrecord/check_record_csv.h"
#include "checkrecord/check_record_text.h"
#include "project/setup_lists.h"
#include "shell/headless_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vortan {
namespace {

constexpr const char* Time_Stamp = "07-Dec-2026 @ 10:30 AM";

CheckRecord demo_record(bool imperial) {
    HeadlessWindow demo([](const std::string& message) { ADD_FAILURE() << message; });
    demo.setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
    EXPECT_TRUE(demo.open_read_only(VORTAN_EXAMPLES_DIR "/demo-line.vtn"));
    // The demo's sag-spans name no inspector: the first is given one.
    demo.setup.form().set_items(setup_list::Inspectors, {"Smith\tJane\t\t\t\t\t\t"});
    std::vector<std::string> spans = demo.window.form().items("Pole_Data_Listbox");
    spans.front().replace(spans.front().rfind("-1"), 2, "0");
    demo.window.form().set_items("Pole_Data_Listbox", std::move(spans));
    return build_check_record(demo.window.form(), demo.setup.form(), demo.window.numbers(), Time_Stamp);
}

const CheckRecordRow* row_of(const CheckRecord& record, const std::string& near, const std::string& position) {
    for (const CheckRecordRow& row : record.rows)
        if (row.cell(CheckColumn::Near) == near && row.cell(CheckColumn::Cable_Position) == position) return &row;
    return nullptr;
}

TEST(CheckRecord, ShowsEachCableSagWithItsSagsAndCheck) {
    using C = CheckColumn;
    struct Case {
        const char* name;
        bool imperial;
        const char* near;
        const char* position;
        std::map<CheckColumn, std::string> cells;
    };
    const Case cases[] = {
        {"sagged, metric", false, "T01", "Top Phase",
         {{C::Far, "T02"}, {C::Span_Length, "245.00"}, {C::Method, "Sightboard"}, {C::Sag_Mode, "Sag Cable"},
          {C::Required_Sag, "3.92"}, {C::Actual_Sag, ""}, {C::Difference, ""}, {C::Band, ""}, {C::Verdict, ""},
          {C::Inspector, "Jane Smith"}}},
        {"checked, metric", false, "T03", "Middle Phase",
         {{C::Far, "T04"}, {C::Code_Name, "Drake"}, {C::Sag_Mode, "Check Cable Sag"}, {C::Actual_Sag, "8.87"},
          {C::Band, "0.06"}, {C::Verdict, "PASS"}, {C::Inspector, ""}}},
        {"checked, imperial", true, "T03", "Middle Phase",
         {{C::Span_Length, "1,207.41"}, {C::Actual_Sag, "29.10"}, {C::Verdict, "PASS"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckRecord record = demo_record(c.imperial);
        EXPECT_EQ(record.heading.contract, "TL-2026-230-07");
        EXPECT_FALSE(record.version.empty());
        const CheckRecordRow* row = row_of(record, c.near, c.position);
        ASSERT_NE(row, nullptr);
        for (const auto& [column, text] : c.cells) EXPECT_EQ(row->cell(column), text) << static_cast<int>(column);
        // The difference is the actual sag less the required one, in percent of
        // it; the check takes the sag its readings give, which the record keeps
        // rounded to the centimetre (a few hundredths of a foot).
        if (row->cell(C::Difference).empty()) continue;
        const NumberFormat numbers;
        const double difference = Text_To_Number(row->cell(C::Difference), numbers);
        const double required = Text_To_Number(row->cell(C::Required_Sag), numbers);
        EXPECT_NEAR(Text_To_Number(row->cell(C::Actual_Sag), numbers) - required, difference, 0.03);
        EXPECT_NEAR(difference / required * 100, Text_To_Number(row->cell(C::Difference_Percent), numbers), 0.2);
    }
}

TEST(CheckRecord, CsvHoldsTheDetailsUnitsRowsAndSigners) {
    const std::string csv = check_record_csv(demo_record(/*imperial=*/true));
    for (const char* expected :
         {"Vortan Check Record\r\nContract,TL-2026-230-07\r\n", "\r\nProgram,Vortan ",
          "\r\nPrepared on,07-Dec-2026 @ 10:30 AM\r\n\r\nNear Structure,Far Structure,Span (ft),Cable Position,"
          "Code Name,Method,Sag Mode,Date,Temp (\xC2\xB0"
          "F),Required Sag (ft),Actual Sag (ft),Difference (ft),Difference (%),Band 95 % (ft),Verdict,Inspector\r\n",
          // A grouped number holds a comma, so it is quoted.
          "\r\nT03,T04,\"1,207.41\",Middle Phase,Drake,",
          "\r\n\r\nSagged by,,Signature,,Date,\r\nChecked by,,Signature,,Date,\r\n"})
        EXPECT_NE(csv.find(expected), std::string::npos) << expected;
    EXPECT_TRUE(csv.ends_with("Checked by,,Signature,,Date,\r\n"));
}

// A record of n rows, each named by its number in the near column.
CheckRecord record_of(std::size_t rows) {
    CheckRecord record{{"C-1", "Contractor", "Line", false, Time_Stamp}, "3.3", {}};
    for (std::size_t n = 0; n < rows; ++n) {
        CheckRecordRow row;
        row.cells.fill("x");
        row.cells[static_cast<std::size_t>(CheckColumn::Near)] = "R" + std::to_string(n);
        record.rows.push_back(row);
    }
    return record;
}

bool holds(const std::vector<std::string>& sheet, const std::string& text) {
    return std::any_of(sheet.begin(), sheet.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(CheckRecord, SheetsRepeatTheHeadingsAndEndWithTheSignatures) {
    constexpr int Lines = 40;
    const auto first_sheet = check_record_sheets(record_of(1), Lines).front();
    const std::size_t head = static_cast<std::size_t>(
        std::find_if(first_sheet.begin(), first_sheet.end(), [](const std::string& l) { return l.starts_with(" R0"); }) -
        first_sheet.begin());
    for (std::size_t rows = 0; rows <= 60; ++rows) {
        SCOPED_TRACE(rows);
        const auto sheets = check_record_sheets(record_of(rows), Lines);
        std::vector<std::string> printed_rows;
        for (std::size_t s = 0; s < sheets.size(); ++s) {
            const auto& sheet = sheets[s];
            const bool last = s + 1 == sheets.size();
            EXPECT_LE(sheet.size(), static_cast<std::size_t>(Lines));
            EXPECT_TRUE(std::equal(sheet.begin(), sheet.begin() + static_cast<std::ptrdiff_t>(head), first_sheet.begin()));
            EXPECT_TRUE(sheet.back().ends_with("Sheet " + std::to_string(s + 1) + " of " + std::to_string(sheets.size())));
            EXPECT_EQ(holds(sheet, "Sagged by  : ___"), last);
            EXPECT_EQ(holds(sheet, "Checked by : ___"), last);
            const auto before = printed_rows.size();
            for (const std::string& line : sheet)
                if (line.starts_with(" R")) printed_rows.push_back(line.substr(1, line.find(' ', 1) - 1));
            // No sheet is without rows: the signatures never stand alone.
            EXPECT_EQ(printed_rows.size() > before, rows > 0);
        }
        ASSERT_EQ(printed_rows.size(), rows);
        for (std::size_t n = 0; n < rows; ++n) EXPECT_EQ(printed_rows[n], "R" + std::to_string(n));
        EXPECT_EQ(rows == 0, holds(sheets.front(), "No cable sag is stored"));
        if (rows == 60) {
            EXPECT_EQ(sheets.size(), 3u);
        }
    }
    const auto text = check_record_text(record_of(60));
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), "\f")),
              check_record_sheets(record_of(60)).size());
}

}  // namespace
}  // namespace vortan
