#include "mainwindow/main_form_layout.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

class MainWindowStart : public testing::MainWindowTest {};

TEST_F(MainWindowStart, DefaultsWithEveryFlagClear) {
    EXPECT_EQ(text("Sag_Date_Edit"), "07-Dec-2026");
    EXPECT_EQ(text("Actual_Cable_Temperature_Edit"), "0");
    EXPECT_EQ(text("Temperature_Compensation_Edit"), "0");
    EXPECT_EQ(text("Hours_Since_Cable_Runout_Edit"), "0");
    for (const std::string& name : main_window_flags()) EXPECT_FALSE(flag(name)) << name;
    EXPECT_EQ(form().active_page("Transmission_Line_PageControl"), 0);
    EXPECT_EQ(form().active_page("Calc_Method_PageControl"), 0);
    EXPECT_EQ(form().control("UNITS_LENGTH_Label1").caption, "m");
}

TEST_F(MainWindowStart, MethodPagesInTheirFixedOrder) {
    std::vector<std::string> captions;
    for (const std::string& page : form().pages_of("Calc_Method_PageControl"))
        captions.push_back(form().control(page).caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Sightboard", "Tangent 2 Span", "Tangent 1 Span", "Series Dynmtr",
                                                  "Level Sighting", "Offset 2 Span", "Height Stick", "Travelling Wave",
                                                  "Pendulum/Swing", "Shunt Dynmtr", "Clino 1 Span", "Clino 2 Span"}));
}

TEST_F(MainWindowStart, ChangingTheMethodPageMarksTheCableSag) {
    given_method_page(8);
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
    EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));
}

TEST_F(MainWindowStart, SpanHeaderEditsMarkTheSagSpan) {
    type("From_Tower_Edit", "T1");
    EXPECT_TRUE(flag("Span_Data_Changed_CheckBox"));
    EXPECT_FALSE(flag("Cable_Data_Changed_CheckBox"));
}

TEST_F(MainWindowStart, SagModeSwitchesColumnsAndTheScheduleGroup) {
    EXPECT_TRUE(form().control("Swing_Required_Time_Edit").visible);
    EXPECT_FALSE(form().control("Swing_Actual_Time_Edit").visible);
    given_checking();
    EXPECT_FALSE(form().control("Swing_Required_Time_Edit").visible);
    EXPECT_TRUE(form().control("Swing_Actual_Time_Edit").visible);
    EXPECT_TRUE(form().control("WAVE_Actual_Sag_Edit").visible);
    // The schedule stays open: the tolerance check compares with it.
    EXPECT_TRUE(form().control("Check_or_Sag_GroupBox").enabled);
    EXPECT_TRUE(form().control("Upper_Sag_Edit").enabled);
    EXPECT_TRUE(flag("Span_Data_Changed_CheckBox"));
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
    form().user_select("Sag_New_or_Existing_RadioGroup", 0);
    EXPECT_TRUE(form().control("Upper_Sag_Edit").enabled);
}

TEST_F(MainWindowStart, ImperialUnitsRelabelWhenTheSetupCloses) {
    window.setup_opened();
    given_imperial_units();
    window.setup_closed();
    EXPECT_EQ(form().control("UNITS_LENGTH_Label1").caption, "ft");
    for (const Control* c : form().controls()) {
        if (c->name.rfind("UNITS_Temperature_Label", 0) == 0) {
            EXPECT_EQ(c->caption, "  \xC2\xB0" "F ");
        }
    }
}

}  // namespace
}  // namespace vortan
