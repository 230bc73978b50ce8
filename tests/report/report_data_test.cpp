// The data lines of the sag report: what each column shows for the records
// and setup lists, stale indexes, imperial values, and the sort.
#include "project/record_fields.h"
#include "project/record_splitter.h"
#include "report/report_data.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

// A cable-sag record with the given fields (1-based) set, the rest empty.
std::string cable_sag(const std::vector<std::pair<int, std::string>>& fields) {
    std::vector<std::string> values(74);
    for (const auto& [n, value] : fields) values[static_cast<std::size_t>(n - 1)] = value;
    std::string record;
    for (const std::string& value : values) record += value + "\t";
    return record;
}

std::string standard_cable_sag(const std::string& span, const std::string& type, const std::string& position,
                               const std::string& code_name, const std::string& method) {
    return cable_sag({{1, span}, {5, type}, {6, position}, {7, code_name}, {9, "07-Dec-2026"},
                      {11, "20"}, {17, "9.5"}, {18, "1000"}, {19, method}});
}

class ReportData : public ::testing::Test {
protected:
    std::vector<std::string> lines(bool imperial = false) {
        std::vector<std::string> printed;
        for (ReportRow& row : report_data_rows({spans, cables, types, positions, code_names, imperial, NumberFormat{}}))
            printed.push_back(std::move(row.line));
        return printed;
    }
    // The characters of a column, and the same without its blanks.
    static std::string column(const std::string& line, int start, int width) {
        return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(width));
    }
    static std::string cell(const std::string& line, int start, int width) {
        std::string text = column(line, start, width);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }

    std::vector<std::string> spans = {"1\tT1\tT2\t100\t-1\t"};
    std::vector<std::string> cables;
    std::vector<std::string> types = {"Tower", "Pole"};
    std::vector<std::string> positions = {"Top", "Left", "Right"};
    std::vector<std::string> code_names = {"Wolf\t\t\t726\t18.1\t", "Lynx\t\t\t842\t19.5\t"};
};

TEST_F(ReportData, ASagSpanWithoutCableSagsGivesThe37CharacterSpanPart) {
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(lines()[0], "     T1             T2        100.00 ");
    EXPECT_EQ(lines()[0].size(), 37u);
}

TEST_F(ReportData, EmptyStructureNamesShowThePositionAndTheNextNumber) {
    spans = {"1\t\t\t100\t-1\t", "2\t\t\t120\t-1\t"};
    const auto shown = lines();
    EXPECT_EQ(column(shown[0], 0, 30), "      0              1        ");
    EXPECT_EQ(column(shown[1], 0, 30), "      1              2        ");
}

TEST_F(ReportData, EachCableSagOfTheSpanNumberGivesALineInListOrder) {
    spans = {"1\tT1\tT2\t100\t-1\t", "2\tT2\tT3\t120\t-1\t"};
    cables = {standard_cable_sag("2", "1", "2", "1", "7"), standard_cable_sag("1", "0", "0", "0", "8"),
              standard_cable_sag("2", "0", "1", "0", "0")};
    const auto shown = lines();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0],
              "     T1             T2        100.00     Tower           Top           Wolf       Pendulum/Swing  9.50   "
              " 1,000.00 20.00  07-Dec-2026 ");
    EXPECT_EQ(column(shown[1], 37, 45), "    Pole           Right          Lynx       ");
    EXPECT_EQ(column(shown[1], 82, 15), "Travelling Wave");
    EXPECT_EQ(column(shown[2], 37, 30), "    Tower          Left       ");
    EXPECT_EQ(column(shown[2], 82, 15), " Sightboard    ");
}

TEST_F(ReportData, StaleOrUnreadableIndexesShowAQuestionMarkAndTheOneBasedIndex) {
    struct Case {
        const char *type, *position, *code_name, *method;
        const char *type_shown, *position_shown, *code_name_shown, *method_shown;
    } cases[] = {
        {"2", "3", "2", "12", "?3", "?4", "?3", "?13"},  // one past the end of each list
        {"7", "0", "0", "11", "?8", "Top", "Wolf", "Clino 2 Span"},
        {"-1", "x", "", "-1", "?0", "?", "?", "?0"},
        {"1", "2", "1", " 3", "Pole", "Right", "Lynx", "?"},  // not a strict integer
    };
    for (const Case& c : cases) {
        cables = {standard_cable_sag("1", c.type, c.position, c.code_name, c.method)};
        const std::string line = lines().at(0);
        EXPECT_EQ(cell(line, 37, 15), c.type_shown);
        EXPECT_EQ(cell(line, 52, 15), c.position_shown);
        EXPECT_EQ(cell(line, 67, 15), c.code_name_shown);
        EXPECT_EQ(cell(line, 82, 15), c.method_shown);
        EXPECT_EQ(line.size(), 134u) << "the columns stay in place";
    }
}

TEST_F(ReportData, ImperialUnitsConvertLengthsAndTemperaturesOnly) {
    cables = {standard_cable_sag("1", "0", "0", "0", "8")};
    const std::string metric = lines(false).at(0);
    const std::string imperial = lines(true).at(0);
    EXPECT_EQ(column(metric, 30, 7), "100.00 ");  // every value in its column's format
    EXPECT_EQ(column(imperial, 30, 7), "328.10 ");
    EXPECT_EQ(column(imperial, 97, 9), " 31.17   ");        // 9.5 m
    EXPECT_EQ(column(imperial, 106, 9), "3,281.00 ");       // 1000 m
    EXPECT_EQ(column(imperial, 115, 7), "68.00  ");         // 20 degrees C
    EXPECT_EQ(column(imperial, 122, 12), "07-Dec-2026 ");  // the date as stored
}

TEST_F(ReportData, ImperialUnitsKeepAnEmptyOrUnreadableValueAsStored) {
    spans = {"1\tT1\tT2\t\t-1\t", "2\tT2\tT3\tabc\t-1\t"};
    const auto shown = lines(true);
    EXPECT_EQ(column(shown[0], 30, 7), "       ");
    EXPECT_EQ(column(shown[1], 30, 7), " abc   ");
}

TEST(ReportSort, ShortNearNamesComeFirstAndLetterCaseIsIgnored) {
    std::vector<std::string> lines = {"  aaaaaaaaa  |1", "     zzz     |2", "   Mast-7    |3",
                                      "   mast-10   |4", "   MAST-1    |5", "   mast-1    |6"};
    std::vector<ReportRow> rows;
    for (const std::string& line : lines) {
        ReportRow row;
        row.line = line;
        rows.push_back(row);
    }
    sort_report_rows(rows);
    for (size_t i = 0; i < rows.size(); ++i) lines[i] = rows[i].line;
    const std::vector<std::string> expected = {"     zzz     |2", "   MAST-1    |5", "   mast-1    |6",
                                               "   mast-10   |4", "   Mast-7    |3", "  aaaaaaaaa  |1"};
    EXPECT_EQ(lines, expected);
}

TEST(RecordSplitter, GivesTheSameFieldsAsRecordField) {
    const char* const records[] = {"", "one", "one\t", "\t", "a\tb\tc", "a\tb\tc\t", "\t\tx\t\t", "1\tT1\tT2\t300\t-1\t"};
    for (const char* record : records) {
        const RecordSplitter split(record);
        for (int n = 0; n <= 8; ++n)
            EXPECT_EQ(split.field(n), record_field(record, n)) << "field " << n << " of \"" << record << '"';
    }
}

}  // namespace
}  // namespace vortan
