#include "calc/temperature_compensation.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

class CompensatedTemperature : public testing::MainWindowTest {};

TEST_F(CompensatedTemperature, FollowsTypingWithTheHeading) {
    struct Case {
        const char* creep;
        const char* compensated;
        const char* heading;
    };
    const Case cases[] = {{"-5", "15.0", "Final Sag"}, {"5", "25.0", "Initial Sag"}, {"0", "20.0", "Sag"}};
    type("Actual_Cable_Temperature_Edit", "20");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.creep);
        type("Temperature_Compensation_Edit", c.creep);
        EXPECT_EQ(text("Compensated_Temperature_Degrees_Edit"), c.compensated);
        EXPECT_EQ(form().control("Sag_Label").caption, c.heading);
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(flag("Calcualte_Without_Messages_CheckBox"));
    EXPECT_TRUE(flag("Cable_Data_Changed_CheckBox"));
    EXPECT_TRUE(flag("Data_Changed_Since_Load_CheckBox"));
}

TEST_F(CompensatedTemperature, EmptyCreepAllowanceGivesZeroAndKeepsTheHeading) {
    type("Actual_Cable_Temperature_Edit", "20");
    type("Temperature_Compensation_Edit", "5");
    type("Temperature_Compensation_Edit", "");
    EXPECT_EQ(text("Compensated_Temperature_Degrees_Edit"), "0");
    EXPECT_EQ(form().control("Sag_Label").caption, "Initial Sag");
}

TEST_F(CompensatedTemperature, QuietOutOfRangeCreepCountsAsZero) {
    type("Actual_Cable_Temperature_Edit", "20");
    type("Temperature_Compensation_Edit", "95");
    EXPECT_EQ(text("Compensated_Temperature_Degrees_Edit"), "20.0");
    EXPECT_EQ(form().control("Sag_Label").caption, "Sag");
}

TEST_F(CompensatedTemperature, ImperialSummerTemperatureIsNotTakenAsZero) {
    given_imperial_units();
    type("Temperature_Compensation_Edit", "0");
    type("Actual_Cable_Temperature_Edit", "90");
    EXPECT_EQ(text("Compensated_Temperature_Degrees_Edit"), "90.0");
}

struct SagCase {
    const char* name;
    const char* upper_t;
    const char* upper_s;
    const char* lower_t;
    const char* lower_s;
    const char* actual;
    const char* creep;
    const char* expected_sag;  // nullptr: the run ends with `message`
    const char* message;
};

class RequiredSag : public testing::MainWindowTest {};

TEST_F(RequiredSag, InterpolatesTheSchedule) {
    const SagCase cases[] = {
        {"inside the rows", "20", "10", "10", "9", "15", "0", "9.50", nullptr},
        {"extended beyond the rows", "20", "10", "10", "9", "20", "5", "10.50", nullptr},
        {"equal rows", "15", "8", "15", "8", "15", "0", "8.00", nullptr},
        {"equal rows, other temperature", "15", "8", "15", "8", "14", "0", nullptr,
         "Error : If the Upper and Lower Temperatures are the same, then the Required (compensated) "
         "Temperature must also be the same."},
        {"equal temperatures, unequal sags", "15", "8", "15", "9", "15", "0", nullptr,
         "Error : If the Upper and Lower Temperatures are the same, then the Upper and Lower Sags must "
         "also be the same."},
        {"upper below lower", "10", "9", "20", "10", "15", "0", nullptr,
         "Error : The Upper Temperature must be greater than or equal to the Lower Temperature !"},
    };
    for (const SagCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        auto before = messages().size();
        type("Upper_Temperature_Degrees_Edit", c.upper_t);
        type("Upper_Sag_Edit", c.upper_s);
        type("Lower_Temperature_Degrees_Edit", c.lower_t);
        type("Lower_Sag_Edit", c.lower_s);
        type("Actual_Cable_Temperature_Edit", c.actual);
        type("Temperature_Compensation_Edit", c.creep);
        CalcContext ctx = context();
        auto sag = compensated_sag(ctx, Text_To_Number(c.actual, NumberFormat{}));
        if (c.expected_sag) {
            ASSERT_TRUE(sag.has_value());
            EXPECT_EQ(text("Compensated_Sag_Edit"), c.expected_sag);
            EXPECT_EQ(text("Required_Sag_Edit"), c.expected_sag);
            EXPECT_EQ(messages().size(), before);
        } else {
            EXPECT_FALSE(sag.has_value());
            ASSERT_EQ(messages().size(), before + 1);
            EXPECT_EQ(messages().back(), c.message);
        }
    }
}

TEST_F(RequiredSag, QuietRunSkipsTheConsistencyChecks) {
    type("Upper_Temperature_Degrees_Edit", "10");
    type("Upper_Sag_Edit", "9");
    type("Lower_Temperature_Degrees_Edit", "20");
    type("Lower_Sag_Edit", "10");
    type("Actual_Cable_Temperature_Edit", "15");
    type("Temperature_Compensation_Edit", "0");
    given_quiet();
    CalcContext ctx = context();
    auto sag = compensated_sag(ctx, 15);
    ASSERT_TRUE(sag.has_value());
    EXPECT_DOUBLE_EQ(*sag, 9.5);
    EXPECT_TRUE(messages().empty());
}

TEST_F(RequiredSag, HoursOfPresagAreCheckedButChangeNothing) {
    given_schedule();
    for (const char* hours : {"0", "504"}) {
        type("Hours_Since_Cable_Runout_Edit", hours);
        CalcContext ctx = context();
        auto sag = compensated_sag(ctx, 15);
        ASSERT_TRUE(sag.has_value());
        EXPECT_DOUBLE_EQ(*sag, 9.5);
    }
    type("Hours_Since_Cable_Runout_Edit", "505");
    port.queue_answer(Answer::No);
    CalcContext ctx = context();
    EXPECT_FALSE(compensated_sag(ctx, 15).has_value());
    EXPECT_NE(messages().back().find("Hours Since Cable Runout should be a number between 0.00 and 504.00"),
              std::string::npos);
}

}  // namespace
}  // namespace vortan
