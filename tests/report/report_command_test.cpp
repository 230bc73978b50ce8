// The Report command on the main window: when it runs, what it preserves
// first, and what it leaves in Report_Data_ListBox.
#include "support/main_window_fixture.h"

#include <algorithm>

namespace vortan {
namespace {

class ReportCommand : public testing::MainWindowTest {
protected:
    void SetUp() override {
        given_header("T1", "T2", "300");
        form().user_click("Commit_Span_Changes_BitBtn");
        port.clear_transcript();
    }
    std::size_t reports_shown() {
        const auto& shown = port.transcript();
        return static_cast<std::size_t>(std::count(shown.begin(), shown.end(), "REPORT BEGIN"));
    }
    const std::vector<std::string>& data_lines() { return form().items("Report_Data_ListBox"); }
};

TEST_F(ReportCommand, RunsWithNothingToPreserveWhateverAnEarlierRunLeftInTheSuccessFlag) {
    form().set_checked("Data_Calc_Successful_CheckBox", false);
    form().user_click("Report_BitBtn");
    EXPECT_EQ(reports_shown(), 1u);
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(data_lines().size(), 1u);
    EXPECT_TRUE(data_lines()[0].starts_with("     T1 "));
}

TEST_F(ReportCommand, AnInvalidHeaderStopsItWithTheHeaderMessage) {
    type("To_Tower_Edit", "");
    form().user_click("Report_Option");
    EXPECT_EQ(reports_shown(), 0u);
    EXPECT_EQ(messages(), std::vector<std::string>{"Error : The far or right structure cannot be null."});
}

TEST_F(ReportCommand, DecliningThePreserveQuestionReportsTheStoredRecordsOnly) {
    type("From_Tower_Edit", "X1");
    port.queue_answer(Answer::No);
    form().user_click("Report_BitBtn");
    EXPECT_EQ(reports_shown(), 1u);
    ASSERT_EQ(data_lines().size(), 1u);
    EXPECT_TRUE(data_lines()[0].starts_with("     T1 "));
}

TEST_F(ReportCommand, AYesWhoseCableSagCannotBeStoredStopsIt) {
    given_schedule();
    given_method_page(8);  // pendulum, with no number of swings
    port.queue_answer(Answer::Yes);
    form().user_click("Report_BitBtn");
    EXPECT_EQ(reports_shown(), 0u);
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
}

TEST_F(ReportCommand, ANewReportReplacesTheDataLinesOfTheLastOne) {
    form().user_click("Report_BitBtn");
    type("From_Tower_Edit", "A1");
    port.queue_answer(Answer::Yes);
    form().user_click("Report_BitBtn");
    ASSERT_EQ(data_lines().size(), 1u);
    EXPECT_TRUE(data_lines()[0].starts_with("     A1 "));
    EXPECT_FALSE(form().control("Report_Data_ListBox").sorted);
}

// The export data: the same rows, in the same order, with each column's text
// as printed; texts with commas or quotes quoted for a spreadsheet.
TEST_F(ReportCommand, TheSpreadsheetDataFollowsThePrintedRows) {
    form().user_click("Next_Tower_BitBtn");
    given_header("A,1", "T\"9", "250");
    form().user_click("Commit_Span_Changes_BitBtn");
    setup.form().set_item_index("Sort_Report_Data_RadioGroup", 1);  // sorted: A,1 before T1
    form().user_click("Report_BitBtn");
    ASSERT_EQ(data_lines().size(), 2u);
    EXPECT_EQ(port.last_report_csv(),
              "Near / Left Structure,Far / Right Structure,Span Length (m),Structure Type,Cable Position,"
              "Cable Code Name,Sag Method,Required Sag (m),Actual Sag (m),Actual Temp (\xC2\xB0" "C),Sag Date,Verdict,Band (m)\r\n"
              "\"A,1\",\"T\"\"9\",250.00\r\n"
              "T1,T2,300.00\r\n");
}

}  // namespace
}  // namespace vortan
