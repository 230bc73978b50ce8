#include "calc/calculation_fault.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

constexpr int Travelling_Wave_Page = 7;
constexpr int Pendulum_Page = 8;

class TimingMethods : public testing::MainWindowTest {
protected:
    // A schedule whose two rows both give the sag, so D is that sag at any temperature.
    void given_required_sag(const std::string& sag) {
        given_header();
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
};

struct TimingCase {
    const char* name;
    int page;
    bool checking;
    bool imperial;
    const char* sag;    // required sag (sagging)
    const char* count;
    const char* time;   // actual time (checking)
    const char* field;  // the output to read
    const char* expected;
};

TEST_F(TimingMethods, RequiredTimesAndActualSags) {
    const TimingCase cases[] = {
        {"pendulum required time", Pendulum_Page, false, false, "2", "5", "", "Swing_Required_Time_Edit", "12.7"},
        {"pendulum required sag copy", Pendulum_Page, false, false, "2", "5", "", "Swing_Required_Sag_Edit", "2.00"},
        {"pendulum actual sag", Pendulum_Page, true, false, "", "5", "12.7", "Swing_Actual_Sag_Edit", "2.00"},
        {"pendulum actual sag in the run", Pendulum_Page, true, false, "", "5", "12.7", "Actual_Sag_Edit", "2.00"},
        {"wave required time", Travelling_Wave_Page, false, false, "2", "3", "", "WAVE_Required_Time_Edit", "7.7"},
        {"wave actual sag", Travelling_Wave_Page, true, false, "", "3", "7.7", "WAVE_Actual_Sag_Edit", "2.02"},
        // Imperial answers are the metric ones: 2 m is 6.562 ft, 2.004 m is 6.57 ft.
        {"imperial pendulum time", Pendulum_Page, false, true, "6.562", "5", "", "Swing_Required_Time_Edit", "12.7"},
        {"imperial pendulum sag", Pendulum_Page, true, true, "", "5", "12.7", "Swing_Actual_Sag_Edit", "6.57"},
        {"imperial wave time", Travelling_Wave_Page, false, true, "6.562", "3", "", "WAVE_Required_Time_Edit", "7.7"},
        {"imperial wave sag", Travelling_Wave_Page, true, true, "", "3", "7.7", "WAVE_Actual_Sag_Edit", "6.63"},
    };
    for (const TimingCase& c : cases) {
        SCOPED_TRACE(c.name);
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag(c.checking ? "9" : c.sag);
        given_method_page(c.page);
        const char* prefix = c.page == Pendulum_Page ? "Swing_" : "WAVE_";
        type(std::string(prefix) + (c.page == Pendulum_Page ? "Number_of_Swings_Edit" : "Number_of_Return_Waves_Edit"),
             c.count);
        type(std::string(prefix) + "Actual_Time_Edit", c.time);
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(text(c.field), c.expected);
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(TimingMethods, SaggingReadsNoTime) {
    given_required_sag("2");
    given_method_page(Pendulum_Page);
    type("Swing_Number_of_Swings_Edit", "5");
    type("Swing_Actual_Time_Edit", "");
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
}

TEST_F(TimingMethods, TooManySwingsAsksTheRangeQuestion) {
    given_required_sag("2");
    for (auto [page, field, caption] :
         {std::tuple{Pendulum_Page, "Swing_Number_of_Swings_Edit", "Number of Swings"},
          std::tuple{Travelling_Wave_Page, "WAVE_Number_of_Return_Waves_Edit", "Number of Return Waves"}}) {
        SCOPED_TRACE(caption);
        given_method_page(page);
        type(field, "21");
        port.queue_answer(Answer::No);
        calculate();
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_NE(messages().back().find(std::string("The ") + caption + " should be a number between 1.00 and 20.00."),
                  std::string::npos);
    }
}

TEST_F(TimingMethods, ZeroCountWhenCheckingIsACalculationErrorEvenWhenQuiet) {
    for (auto [page, count, time] : {std::tuple{Pendulum_Page, "Swing_Number_of_Swings_Edit", "Swing_Actual_Time_Edit"},
                                     std::tuple{Travelling_Wave_Page, "WAVE_Number_of_Return_Waves_Edit",
                                                "WAVE_Actual_Time_Edit"}}) {
        SCOPED_TRACE(count);
        port.clear_transcript();
        auto before = messages().size();
        given_header();
        given_checking();
        given_method_page(page);
        type(count, "0");  // quietly out of range: read as 0
        type(time, "10");
        form().set_text("Actual_Sag_Edit", "1.23");
        given_quiet();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_EQ(messages().size(), before + 1);
        EXPECT_EQ(messages().back(), Calculation_Error_Message);
        EXPECT_EQ(text("Actual_Sag_Edit"), "1.23");
    }
    EXPECT_EQ(text("Swing_Actual_Sag_Edit"), "");
    EXPECT_EQ(text("WAVE_Actual_Sag_Edit"), "");
}

TEST_F(TimingMethods, HugeAcceptedValuesNeverReachAField) {
    given_header();
    given_checking();
    given_method_page(Pendulum_Page);
    type("Swing_Number_of_Swings_Edit", "1e-300");
    type("Swing_Actual_Time_Edit", "1e300");
    port.queue_answer(Answer::Yes);
    port.queue_answer(Answer::Yes);
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages().back(), Calculation_Error_Message);
    EXPECT_EQ(text("Swing_Actual_Sag_Edit"), "");
}

}  // namespace
}  // namespace vortan
