// Walking a line: sag-spans with several cable sags each, through the preserve
// question, navigation, deletion and reset.
#include "project/record_fields.h"
#include "project/setup_lists.h"
#include "support/main_window_fixture.h"

namespace vortan {
namespace {

constexpr int Pendulum_Page = 8;
const char* const Six_Buttons[] = {"First_Tower_BitBtn", "Previous_Tower_BitBtn", "Next_Tower_BitBtn",
                                   "Last_Tower_BitBtn",  "Jump_to_Span_BitBtn",   "Delete_Curr_Span_Details_BitBtn"};

class Workflow : public testing::MainWindowTest {
protected:
    void SetUp() override {
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Tower"});
        s.set_items(setup_list::Cable_Positions, {"Top", "Left"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t", "0\t1\t0\t"});
        window.start();
    }
    bool enabled(const char* button) { return form().control(button).enabled; }
    const std::vector<std::string>& spans() { return form().items("Pole_Data_Listbox"); }
    const std::vector<std::string>& cable_sags() { return form().items("Cable_Bundle_Record_Listbox"); }
    void given_pendulum_sag(const std::string& swings) {
        given_schedule();
        given_method_page(Pendulum_Page);
        type("Swing_Number_of_Swings_Edit", swings);
    }
    // Enters a sag-span with a pendulum cable sag at each position, preserved.
    void given_span_with_cable_sags(const std::string& near_name, const std::string& far_name) {
        form().user_select("Cable_Position_ComboBox", 0);  // nothing changed yet: no question
        given_header(near_name, far_name, "300");
        for (int position = 0; position < 2; ++position) {
            if (position > 0) {
                port.queue_answer(Answer::Yes);  // preserve the cable sag before the selection changes
                form().user_select("Cable_Position_ComboBox", position);
            }
            given_pendulum_sag(std::to_string(5 + position));
        }
        port.queue_answer(Answer::Yes);
        form().user_click("Next_Tower_BitBtn");
    }
};

TEST_F(Workflow, AnEmptyProjectDisablesTheSixButtonsUntilAHeaderIsTyped) {
    EXPECT_EQ(form().control("Span_Count_Label").caption, "No Spans have been entered !");
    for (const char* button : Six_Buttons) EXPECT_FALSE(enabled(button)) << button;
    given_header("T1", "T2", "250");
    EXPECT_TRUE(enabled("Next_Tower_BitBtn"));
    // New from a later span leaves the window as empty as at start.
    given_span_with_cable_sags("T1", "T2");
    given_span_with_cable_sags("T2", "T3");
    port.set_default_answer(Answer::Yes);
    form().user_click("New_Option");
    for (const char* button : Six_Buttons) EXPECT_FALSE(enabled(button)) << "after New: " << button;
}

TEST_F(Workflow, NextPreservesTheSpanAndItsCableSags) {
    given_span_with_cable_sags("T1", "T2");
    ASSERT_EQ(spans().size(), 1u);
    EXPECT_EQ(spans()[0], "1\tT1\tT2\t300\t-1\t");
    ASSERT_EQ(cable_sags().size(), 2u);
    EXPECT_EQ(record_field(cable_sags()[0], 3), "0");
    EXPECT_EQ(record_field(cable_sags()[1], 3), "1");
    EXPECT_EQ(record_field(cable_sags()[1], 20), "6");
    // The new span after the last starts afresh with the reset option on.
    EXPECT_EQ(window.span_number(), 2);
    EXPECT_EQ(form().control("Span_Count_Label").caption, "Span 2 of 1.");
    EXPECT_EQ(text("From_Tower_Edit"), "");
    EXPECT_EQ(text("Span_Length_Edit"), "0");
}

TEST_F(Workflow, WithTheResetOptionOffTheNewSpanStartsAtThePreviousFarStructure) {
    setup.form().set_checked("Reset_All_Input_Fields_CheckBox", false);
    given_span_with_cable_sags("T12", "T13");
    EXPECT_EQ(text("From_Tower_Edit"), "T13");
    EXPECT_EQ(text("To_Tower_Edit"), "");
    EXPECT_FALSE(flag("Span_Data_Changed_CheckBox"));
}

TEST_F(Workflow, ShowingAStoredSpanRecalculatesItsCableSagQuietly) {
    given_span_with_cable_sags("T1", "T2");
    given_span_with_cable_sags("T2", "T3");
    port.clear_transcript();
    form().user_click("First_Tower_BitBtn");
    EXPECT_EQ(text("From_Tower_Edit"), "T1");
    // The selection stays on the last position entered, so its cable sag shows.
    EXPECT_EQ(text("Cable_Position_ComboBox"), "Left");
    EXPECT_EQ(text("Swing_Number_of_Swings_Edit"), "6");
    EXPECT_EQ(text("Swing_Required_Time_Edit"), "33.2");  // 6 x 4pi/sqrt(49.05) x sqrt(9.5) = 33.18
    EXPECT_EQ(form().active_page("Calc_Method_PageControl"), Pendulum_Page);
    EXPECT_TRUE(port.transcript().empty());
    EXPECT_FALSE(flag("Cable_Data_Changed_CheckBox"));
    EXPECT_FALSE(enabled("First_Tower_BitBtn"));
    EXPECT_TRUE(enabled("Last_Tower_BitBtn"));
}

TEST_F(Workflow, YesWithAFailingCalculationKeepsTheSelectionAndTheEdits) {
    given_header("T1", "T2", "300");
    given_pendulum_sag("");  // the calculation will fail: no number of swings
    port.queue_answer(Answer::Yes);
    form().user_select("Cable_Position_ComboBox", 1);
    EXPECT_EQ(form().item_index("Cable_Position_ComboBox"), 0);
    EXPECT_EQ(text("Upper_Sag_Edit"), "10");
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
    EXPECT_TRUE(cable_sags().empty());
    EXPECT_EQ(spans().size(), 1u);  // the sag-span itself was committed
    EXPECT_EQ(messages()[0], "Preserve Sag-Span and Cable / Sag data changes ?");
}

TEST_F(Workflow, NoOnNextStaysAndDropsTheEdits) {
    given_span_with_cable_sags("T1", "T2");
    form().user_click("Previous_Tower_BitBtn");
    type("Swing_Number_of_Swings_Edit", "9");
    port.queue_answer(Answer::No);
    form().user_click("Next_Tower_BitBtn");
    EXPECT_EQ(window.span_number(), 1);
    EXPECT_EQ(text("Swing_Number_of_Swings_Edit"), "6");
    form().user_click("Next_Tower_BitBtn");  // nothing changed any more: it moves
    EXPECT_EQ(window.span_number(), 2);
}

TEST_F(Workflow, PreviousOffersToPreserveCableSagEditsToo) {
    given_span_with_cable_sags("T1", "T2");
    given_span_with_cable_sags("T2", "T3");
    form().user_click("Previous_Tower_BitBtn");
    type("Swing_Number_of_Swings_Edit", "7");
    port.queue_answer(Answer::Yes);
    form().user_click("Previous_Tower_BitBtn");
    EXPECT_EQ(messages().back(), "Preserve Cable / Sag data changes ?");
    EXPECT_EQ(record_field(cable_sags()[3], 20), "7");  // span 2, Left
}

TEST_F(Workflow, DeleteSpanRenumbersTheSpansAfterIt) {
    given_span_with_cable_sags("T1", "T2");
    given_span_with_cable_sags("T2", "T3");
    given_span_with_cable_sags("T3", "T4");
    form().user_click("First_Tower_BitBtn");
    form().user_click("Next_Tower_BitBtn");
    ASSERT_EQ(window.span_number(), 2);
    port.queue_answer(Answer::Yes);
    form().user_click("Delete_Curr_Span_Details_BitBtn");
    ASSERT_EQ(spans().size(), 2u);
    EXPECT_EQ(spans()[1], "2\tT3\tT4\t300\t-1\t");
    ASSERT_EQ(cable_sags().size(), 4u);
    EXPECT_EQ(record_field(cable_sags()[2], 1), "2");
    EXPECT_EQ(record_field(cable_sags()[3], 1), "2");
    EXPECT_EQ(text("From_Tower_Edit"), "T3");
}

TEST_F(Workflow, DeleteCableSagRemovesEveryRecordOfThatPosition) {
    given_span_with_cable_sags("T1", "T2");
    form().user_click("Previous_Tower_BitBtn");  // First is disabled with one sag-span
    port.queue_answer(Answer::Yes);
    form().user_click("Delete_Curr_Cable_Details_BitBtn");
    EXPECT_NE(messages().back().find("the Left cable position details for the span between \"T1\" and \"T2\" ?"),
              std::string::npos);
    ASSERT_EQ(cable_sags().size(), 1u);
    EXPECT_EQ(record_field(cable_sags()[0], 3), "0");
}

TEST_F(Workflow, JumpToSpanListsTheNearStructuresSorted) {
    given_span_with_cable_sags("tower 9", "Tower 10");
    given_span_with_cable_sags("Tower 10", "T11");
    port.queue_pick(1);  // the second of the sorted list: "tower 9"
    form().user_click("Jump_to_Span_BitBtn");
    EXPECT_EQ(window.span_number(), 1);
    EXPECT_EQ(port.transcript().back(), "DIALOG select Select a Near or Left Structure :");
}

TEST_F(Workflow, ResetWithYesKeepsTheSetupAndWithYesToAllEmptiesIt) {
    given_span_with_cable_sags("T1", "T2");
    port.queue_answer(Answer::Yes);
    form().user_click("Reset_BitBtn");
    EXPECT_TRUE(spans().empty());
    EXPECT_TRUE(cable_sags().empty());
    EXPECT_EQ(text("Cable_Type_ComboBox"), "Tower");
    EXPECT_EQ(text("Cable_Position_ComboBox"), "Top");
    for (const char* f : {"Span_Data_Changed_CheckBox", "Cable_Data_Changed_CheckBox", "Data_Changed_Since_Load_CheckBox"})
        EXPECT_TRUE(flag(f)) << f;
    port.queue_answer(Answer::YesToAll);
    form().user_click("Reset_Option");
    EXPECT_TRUE(setup.form().items(setup_list::Structure_Types).empty());
    EXPECT_TRUE(form().items("Cable_Type_ComboBox").empty());
    for (const char* f : {"Span_Data_Changed_CheckBox", "Cable_Data_Changed_CheckBox", "Data_Changed_Since_Load_CheckBox"})
        EXPECT_FALSE(flag(f)) << f;
    port.queue_answer(Answer::Cancel);
    form().user_click("Reset_BitBtn");  // still asks after Yes to All
}

TEST_F(Workflow, NewAsksOnlyWithUnsavedChanges) {
    form().user_click("New_Option");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(text("Sag_Date_Edit"), "07-Dec-2026");
    given_header("T1", "T2", "100");
    port.queue_answer(Answer::No);
    form().user_click("New_Option");
    EXPECT_EQ(text("From_Tower_Edit"), "T1");
}

}  // namespace
}  // namespace vortan
