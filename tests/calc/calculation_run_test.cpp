#include "calc/calculation_fault.h"
#include "calc/calculation_run.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

constexpr int Pendulum_Page = 8;

const std::string Unknown_Method = "Error : Unknown Calculation Method.\n\r\n\rPlease contact the program author immediately.";
const std::string Span_Is_Zero =
    "Error: The \"Span Length\" is equal to 0.  As a result of this, the program is unable to complete the "
    "calculations based on the data you have entered.  Please check your input data and try again.";
const std::string Required_Sag_Not_Positive =
    "Error: The \"Required Sag\" is less than or equal to 0.  As a result of this, the program is unable to "
    "complete the calculations based on the data you have entered.  Please check your input data and try again.";

class CalculationRun : public testing::MainWindowTest {
protected:
    void given_pendulum_cable_sag() {
        given_header();
        given_schedule();
        given_method_page(Pendulum_Page);
        type("Swing_Number_of_Swings_Edit", "5");
        type("Swing_Actual_Time_Edit", "12.7");
    }
};

TEST_F(CalculationRun, SaggingSuccessSetsTheFlagsAndLeavesTheActualSag) {
    given_pendulum_cable_sag();
    form().set_text("Actual_Sag_Edit", "7.77");
    given_clean_flags();
    calculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(text("Actual_Sag_Edit"), "7.77");
    EXPECT_EQ(text("Required_Sag_Edit"), "9.50");
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
    EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
}

TEST_F(CalculationRun, CheckingWritesTheActualSagWithGrouping) {
    given_pendulum_cable_sag();
    given_checking();
    type("Swing_Number_of_Swings_Edit", "1");
    type("Swing_Actual_Time_Edit", "63.04");  // 0.310613 x 63.04^2 = 1234.4
    port.queue_answer(Answer::Yes);             // 63.04 is inside 1..300; nothing to accept
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(text("Actual_Sag_Edit"), text("Swing_Actual_Sag_Edit"));
    EXPECT_EQ(text("Actual_Sag_Edit").substr(0, 2), "1,");
}

TEST_F(CalculationRun, CheckingReadsNoScheduleButNeedsDateAndTemperature) {
    given_pendulum_cable_sag();
    given_checking();
    type("Upper_Sag_Edit", "");  // would fail a schedule read
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));

    type("Sag_Date_Edit", "");
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages().back(), "Error : The SAG Date cannot be null.");

    type("Sag_Date_Edit", "07-Dec-2026");
    type("Actual_Cable_Temperature_Edit", "");
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages().back(),
              "Error : The Actual Cable Temperature should be a number between -20.00 and 80.00.");
}

TEST_F(CalculationRun, AnAbortClearsAnEarlierSuccess) {
    given_pendulum_cable_sag();
    calculate();
    ASSERT_TRUE(flag("Data_Calc_Successful_CheckBox"));
    type("Swing_Number_of_Swings_Edit", "");
    given_clean_flags();
    form().set_checked("Data_Calc_Successful_CheckBox", true);
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_FALSE(flag("Cable_Data_Changed_CheckBox"));
}

TEST_F(CalculationRun, ShortSpanWarnsThenReadsAsZero) {
    given_pendulum_cable_sag();
    type("Span_Length_Edit", "5");
    port.queue_answer(Answer::Yes);
    calculate();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_NE(messages()[0].find("The Span Length should be a number between 10.00 and 2,000.00."), std::string::npos);
    EXPECT_EQ(messages()[1], Span_Is_Zero);
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_FALSE(flag("Calcualte_Without_Messages_CheckBox"));
}

TEST_F(CalculationRun, QuietRunWithAnEmptyCountEndsSilently) {
    given_pendulum_cable_sag();
    type("Swing_Number_of_Swings_Edit", "");
    given_quiet();
    calculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_TRUE(flag("Calcualte_Without_Messages_CheckBox"));  // the caller's state is kept
}

TEST_F(CalculationRun, RequiredSagMustBePositive) {
    given_pendulum_cable_sag();
    type("Upper_Sag_Edit", "0");
    type("Lower_Sag_Edit", "0");
    calculate();
    EXPECT_EQ(messages(), std::vector<std::string>{Required_Sag_Not_Positive});
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
}

TEST_F(CalculationRun, NoActivePageEndsWithTheUnknownMethodMessage) {
    given_pendulum_cable_sag();
    for (int page : {-1}) {
        SCOPED_TRACE(page);
        form().set_active_page("Calc_Method_PageControl", page);
        calculate();
        EXPECT_EQ(messages().back(), Unknown_Method);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    }
}

TEST_F(CalculationRun, ImperialSpanInsideTheFixedBoundsCanStillReadAsZero) {
    given_imperial_units();
    given_pendulum_cable_sag();
    type("Span_Length_Edit", "20");  // accepted by the header check, below 32.81 ft
    calculate();
    EXPECT_EQ(messages(), std::vector<std::string>{Span_Is_Zero});
}

TEST_F(CalculationRun, UnitWeightComesFromTheLastMatchingCodeName) {
    // Only the dynamometer methods read w; the run itself must not trip over
    // missing or unreadable masses.
    setup.form().set_items("Code_Name_ListBox", {"Wolf\t18.13\t0\t726.0\t", "Wolf\t18.13\t0\tabc\t"});
    form().control("Cable_Code_Name_ComboBox").text = "Wolf";
    given_pendulum_cable_sag();
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
}

}  // namespace
}  // namespace vortan
