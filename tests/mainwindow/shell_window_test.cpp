// The window's life around the workflow: F1 help contexts, the design
// geometry it scales from, and the closing flag.
#include "mainwindow/help_contexts.h"
#include "support/main_window_fixture.h"

namespace vortan {
namespace {

class ShellWindow : public testing::MainWindowTest {
protected:
    std::string last_transcript_line() { return port.transcript().empty() ? "" : port.transcript().back(); }
};

TEST_F(ShellWindow, F1OpensTheTopicOfThePageOrGroupTheFocusedControlIsOn) {
    const std::pair<std::string, int> cases[] = {
        {"From_Tower_Edit", help_topic::Sag_Spans},
        {"Next_Tower_BitBtn", help_topic::Sag_Spans},
        {"Cable_Code_Name_ComboBox", help_topic::Cable_Sags},
        {"Upper_Sag_Edit", help_topic::Sagging_Schedule},
        {"Actual_Cable_Temperature_Edit", help_topic::Sagging_Schedule},
        {"Contract_Edit", help_topic::Project_Details},
        {"Open_BitBtn", help_topic::Commands},
        {"SBM_Required_Sag_Height_Near_Edit", 100},
        {"Swing_Actual_Time_Edit", 108},
        {"Clino_2_Tan_Actual_Sag_Edit", 111},
        {"", help_topic::Contents},
        {"No_Such_Control", help_topic::Contents},
    };
    for (const auto& [control, topic] : cases) {
        window.help_key_pressed(control);
        EXPECT_EQ(last_transcript_line(), "DIALOG help " + std::to_string(topic)) << control;
    }
}

TEST_F(ShellWindow, EveryMethodPageHasItsOwnTopicInTabOrder) {
    int page = 0;
    for (const Control* child : form().children("Calc_Method_PageControl")) {
        if (child->kind != ControlKind::Page) continue;
        EXPECT_EQ(help_context(form(), child->name), help_topic::First_Method + page) << child->name;
        ++page;
    }
    EXPECT_EQ(page, 12);
}

TEST_F(ShellWindow, TheDesignGeometryIsKeptOnceAndDrivesTheScaleFactors) {
    EXPECT_FALSE(window.window_resized(1426, 551));  // nothing captured yet: nothing scales
    window.capture_design_geometry(713, 551, {{"Open_BitBtn", DesignGeometry{8, 75, 4, 25, 11}}});
    window.capture_design_geometry(100, 100, {});  // a second capture keeps the first
    EXPECT_EQ(form().items("Scaling_ListBox"),
              (std::vector<std::string>{"713 551 W/H Mainform1", "8 75 4 25 11 Open_BitBtn"}));
    const auto factors = window.window_resized(1426, 551);
    ASSERT_TRUE(factors);
    EXPECT_DOUBLE_EQ(factors->width, 2.0);
    EXPECT_DOUBLE_EQ(factors->height, 1.0);
}

TEST_F(ShellWindow, ResizingRelabelsTheUnitsUntilTheWindowStartsClosing) {
    window.capture_design_geometry(713, 551, {});
    const std::string unit = form().control("Span_Length_Edit").unit_label;
    form().set_caption(unit, "stale");
    window.window_resized(800, 600);
    EXPECT_EQ(form().control(unit).caption, "m");

    form().set_checked("Data_Changed_Since_Load_CheckBox", true);
    port.queue_answer(Answer::Cancel);
    EXPECT_FALSE(window.exit_requested());
    EXPECT_TRUE(window.closing());  // a cancelled exit leaves the flag as it was
    form().set_caption(unit, "stale");
    window.window_resized(900, 600);
    EXPECT_EQ(form().control(unit).caption, "stale");

    window.first_display({});  // the first display clears it
    EXPECT_FALSE(window.closing());
}

TEST_F(ShellWindow, ProjectTextsTypedOnTheMainWindowAreKeptWithTheProject) {
    for (const char* text : {"Contract_Edit", "Contractor_Edit", "Transmission_Line_Edit"}) {
        given_clean_flags();
        type(text, std::string("typed into ") + text);
        EXPECT_EQ(setup.form().text(text), std::string("typed into ") + text);
        EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox")) << text;
    }
}

}  // namespace
}  // namespace vortan
