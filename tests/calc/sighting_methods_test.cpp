#include "calc/calculation_fault.h"
#include "calc/number_text.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

constexpr int Sightboard_Page = 0;
constexpr int Level_Sighting_Page = 4;

const char* const Low_Point_Message =
    "Error: The low point is not in this sag-span.  \n\r\n\rThe Level Sighting Method cannot be used for this "
    "sag-span.";

class SightingMethods : public testing::MainWindowTest {
protected:
    // Both schedule rows give the sag, so D is that sag at any temperature; span 300.
    void given_required_sag(const std::string& sag) {
        given_header();
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
    void given_inputs(const std::vector<std::pair<const char*, const char*>>& inputs) {
        for (auto [field, value] : inputs) type(field, value);
    }
    void given_outputs_hold_old_values(std::initializer_list<const char*> fields) {
        for (const char* f : fields) form().set_text(f, "old");
    }
};

struct SightingCase {
    const char* name;
    int page;
    bool checking;
    const char* sag;  // required sag, sagging only
    std::vector<std::pair<const char*, const char*>> inputs;
    std::vector<std::pair<const char*, const char*>> expected;
};

TEST_F(SightingMethods, RequiredDistancesAndActualSags) {
    const SightingCase cases[] = {
        // r = (2*2 - 1)^2 = 9; p = 50 sqrt(9/4) = 75.
        {"sightboard D 4, b 1", Sightboard_Page, false, "4", {{"SBM_Actual_Sag_Height_Far_Edit", "1"}},
         {{"SBM_Required_Sag_Height_Near_Edit", "9.00"}, {"SBM_Required_Percent_Edit", "75 %"},
          {"SBM_Required_Sag_Edit", "4.00"}, {"Actual_Sag_Edit", ""}}},
        // r = (2*3.0822070 - 1)^2 = 26.6712; p = 50 sqrt(26.6712/9.5) = 83.78.
        {"sightboard D 9.5, b 1", Sightboard_Page, false, "9.5", {{"SBM_Actual_Sag_Height_Far_Edit", "1"}},
         {{"SBM_Required_Sag_Height_Near_Edit", "26.67"}, {"SBM_Required_Percent_Edit", "84 %"}}},
        // S = ((3 + 1)/2)^2 = 4; p = 50 sqrt(9/4) = 75.
        {"sightboard a 9, b 1", Sightboard_Page, true, "",
         {{"SBM_Actual_Sag_Height_Near_Edit", "9"}, {"SBM_Actual_Sag_Height_Far_Edit", "1"}},
         {{"SBM_Actual_Sag_Edit", "4.00"}, {"SBM_Actual_Percent_Edit", "75 %"}, {"Actual_Sag_Edit", "4.00"}}},
        // x = 90000/40 = 2250, y = 2250*10/300 - 150 = -75; r = 100/80 + 5 - 5 = 1.25; p = 50 sqrt(0.25) = 25.
        {"level h 10", Level_Sighting_Page, false, "5", {{"LSM_Support_Height_Difference_Edit", "10"}},
         {{"LSM_Required_Telescope_Height_Edit", "1.25"}, {"LSM_Required_Percent_Edit", "25 %"},
          {"LSM_Required_Sag_Edit", "5.00"}, {"Actual_Sag_Edit", ""}}},
        // Far support lower: r = 100/80 + 5 + 5 = 11.25; p = 50 sqrt(2.25) = 75.
        {"level h -10", Level_Sighting_Page, false, "5", {{"LSM_Support_Height_Difference_Edit", "-10"}},
         {{"LSM_Required_Telescope_Height_Edit", "11.25"}, {"LSM_Required_Percent_Edit", "75 %"}}},
        // Level supports: r = D, low point at mid-span.
        {"level h 0", Level_Sighting_Page, false, "5", {{"LSM_Support_Height_Difference_Edit", "0"}},
         {{"LSM_Required_Telescope_Height_Edit", "5.00"}, {"LSM_Required_Percent_Edit", "50 %"}}},
        // B = -(5 + 1.25) = -6.25, C = 6.25, disc = 39.0625 - 25 = 14.0625; S = (3.75 + 6.25)/2 = 5; p = 25.
        {"level h 10, a 1.25", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "10"}, {"LSM_Actual_Telescope_Height_Edit", "1.25"}},
         {{"LSM_Actual_Sag_Edit", "5.00"}, {"LSM_Actual_Percent_Edit", "25 %"}, {"Actual_Sag_Edit", "5.00"}}},
        // B = -(-5 + 11.25) = -6.25, disc = 14.0625; S = 5; p = 50 sqrt(11.25/5) = 75.
        {"level h -10, a 11.25", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "-10"}, {"LSM_Actual_Telescope_Height_Edit", "11.25"}},
         {{"LSM_Actual_Sag_Edit", "5.00"}, {"LSM_Actual_Percent_Edit", "75 %"}}},
    };
    for (const SightingCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        const size_t before = messages().size();
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag(c.checking ? "9" : c.sag);
        given_method_page(c.page);
        given_inputs(c.inputs);
        form().set_text("Actual_Sag_Edit", "");
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        for (auto [field, value] : c.expected) EXPECT_EQ(text(field), value) << field;
        EXPECT_TRUE(messages_since(before).empty());
    }
}

TEST_F(SightingMethods, SaggingReadsNoActualNearDistanceOrTelescopeHeight) {
    given_required_sag("4");
    for (auto [page, input, value, unread] :
         {std::tuple{Sightboard_Page, "SBM_Actual_Sag_Height_Far_Edit", "1", "SBM_Actual_Sag_Height_Near_Edit"},
          std::tuple{Level_Sighting_Page, "LSM_Support_Height_Difference_Edit", "1",
                     "LSM_Actual_Telescope_Height_Edit"}}) {
        SCOPED_TRACE(input);
        given_method_page(page);
        type(input, value);
        type(unread, "");
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(SightingMethods, EmptyEntriesNameTheirCaptionAndBounds) {
    struct Entry {
        int page;
        bool checking;
        const char* empty;
        const char* message;
    };
    const Entry entries[] = {
        {Sightboard_Page, false, "SBM_Actual_Sag_Height_Far_Edit",
         "Error : The sightboard distance at the far structure should be a number between 0.00 and 100.00."},
        {Sightboard_Page, true, "SBM_Actual_Sag_Height_Near_Edit",
         "Error : The sightboard distance at the near structure should be a number between 0.00 and 100.00."},
        {Level_Sighting_Page, false, "LSM_Support_Height_Difference_Edit",
         "Error : The Support Height Difference should be a number between -100.00 and 100.00."},
        {Level_Sighting_Page, true, "LSM_Actual_Telescope_Height_Edit",
         "Error : The Actual Telescope Height should be a number between 0.00 and 100.00."},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.empty);
        port.clear_transcript();
        const size_t before = messages().size();
        form().user_select("Sag_New_or_Existing_RadioGroup", e.checking ? 1 : 0);
        given_required_sag("4");
        given_method_page(e.page);
        given_inputs({{"SBM_Actual_Sag_Height_Near_Edit", "9"}, {"SBM_Actual_Sag_Height_Far_Edit", "1"},
                      {"LSM_Support_Height_Difference_Edit", "1"}, {"LSM_Actual_Telescope_Height_Edit", "1"}});
        type(e.empty, "");
        calculate();
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(messages_since(before), std::vector<std::string>{e.message});
    }
}

TEST_F(SightingMethods, ImperialBoundsAreTheMetricOnesInFeet) {
    // 100 m = 328.1 ft: a 200 ft board is in range, and the sag holds in feet:
    // r = (2*sqrt(64) - sqrt(196))^2 = (16 - 14)^2 = 4; p = 50 sqrt(4/64) = 12.5, shown 13.
    given_imperial_units();
    given_required_sag("64");
    given_method_page(Sightboard_Page);
    type("SBM_Actual_Sag_Height_Far_Edit", "196");
    calculate();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(text("SBM_Required_Sag_Height_Near_Edit"), "4.00");
    EXPECT_EQ(text("SBM_Required_Percent_Edit"), "13 %");
    given_method_page(Level_Sighting_Page);
    type("LSM_Support_Height_Difference_Edit", "");
    calculate();
    EXPECT_EQ(messages().back(),
              "Error : The Support Height Difference should be a number between -328.10 and 328.10.");
}

TEST_F(SightingMethods, LowPointOutsideTheSpanStopsLevelSightingEvenWhenQuiet) {
    // D = 5: the low point is in the span only for |h| < 4D = 20.
    for (const char* rise : {"20", "-20", "35"}) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(std::string(rise) + (quiet ? " quiet" : ""));
            port.clear_transcript();
            const size_t before = messages().size();
            given_required_sag("5");
            given_method_page(Level_Sighting_Page);
            type("LSM_Support_Height_Difference_Edit", rise);
            given_outputs_hold_old_values(
                {"LSM_Required_Telescope_Height_Edit", "LSM_Required_Percent_Edit", "LSM_Required_Sag_Edit"});
            if (quiet) given_quiet();
            calculate();
            form().set_checked("Calcualte_Without_Messages_CheckBox", false);
            EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
            ASSERT_EQ(port.transcript().size(), 1u);
            EXPECT_EQ(port.transcript()[0].rfind("MESSAGE error OK ", 0), 0u);
            EXPECT_EQ(messages_since(before), std::vector<std::string>{Low_Point_Message});
            for (const char* f :
                 {"LSM_Required_Telescope_Height_Edit", "LSM_Required_Percent_Edit", "LSM_Required_Sag_Edit"})
                EXPECT_EQ(text(f), "old") << f;
        }
    }
}

struct FaultCase {
    const char* name;
    int page;
    bool checking;
    const char* sag;
    std::vector<std::pair<const char*, const char*>> inputs;
    int yes_answers;  // range questions accepted
};

TEST_F(SightingMethods, ImpossibleGeometryIsACalculationErrorThatWritesNothing) {
    const FaultCase cases[] = {
        // S = ((0 + 0)/2)^2 = 0.
        {"sightboard a = b = 0", Sightboard_Page, true, "",
         {{"SBM_Actual_Sag_Height_Near_Edit", "0"}, {"SBM_Actual_Sag_Height_Far_Edit", "0"}}, 0},
        {"sightboard far below zero, sagging", Sightboard_Page, false, "4", {{"SBM_Actual_Sag_Height_Far_Edit", "-1"}}, 1},
        {"sightboard far below zero, checking", Sightboard_Page, true, "",
         {{"SBM_Actual_Sag_Height_Near_Edit", "9"}, {"SBM_Actual_Sag_Height_Far_Edit", "-1"}}, 1},
        {"sightboard near below zero", Sightboard_Page, true, "",
         {{"SBM_Actual_Sag_Height_Near_Edit", "-1"}, {"SBM_Actual_Sag_Height_Far_Edit", "9"}}, 1},
        // disc = a (a + h) = 0.
        {"level a 0", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "10"}, {"LSM_Actual_Telescope_Height_Edit", "0"}}, 0},
        {"level far lower by a", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "-5"}, {"LSM_Actual_Telescope_Height_Edit", "5"}}, 0},
        // disc = 5 * (5 - 6) = -5.
        {"level far lower by more than a", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "-6"}, {"LSM_Actual_Telescope_Height_Edit", "5"}}, 0},
        // disc = -1 * (-1 - 5) = 6 > 0, but a telescope above the support is no sighting.
        {"level a below zero", Level_Sighting_Page, true, "",
         {{"LSM_Support_Height_Difference_Edit", "-5"}, {"LSM_Actual_Telescope_Height_Edit", "-1"}}, 1},
    };
    const char* outputs[] = {"SBM_Required_Sag_Height_Near_Edit", "SBM_Required_Percent_Edit", "SBM_Required_Sag_Edit",
                             "SBM_Actual_Percent_Edit", "SBM_Actual_Sag_Edit", "LSM_Required_Telescope_Height_Edit",
                             "LSM_Required_Percent_Edit", "LSM_Required_Sag_Edit", "LSM_Actual_Percent_Edit",
                             "LSM_Actual_Sag_Edit", "Actual_Sag_Edit"};
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        const size_t before = messages().size();
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag(c.checking ? "9" : c.sag);
        given_method_page(c.page);
        given_inputs(c.inputs);
        for (const char* f : outputs) form().set_text(f, "old");
        form().set_checked("Data_Calc_Successful_CheckBox", true);
        for (int i = 0; i < c.yes_answers; ++i) port.queue_answer(Answer::Yes);
        calculate();
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_FALSE(messages_since(before).empty());
        EXPECT_EQ(messages().back(), Calculation_Error_Message);
        EXPECT_EQ(port.transcript().back().rfind("MESSAGE error OK ", 0), 0u);
        for (const char* f : outputs) EXPECT_EQ(text(f), "old") << f;
    }
}

TEST_F(SightingMethods, CalculationErrorIsShownInAQuietRun) {
    // A quiet out-of-range far distance reads as 0; with a near distance of 0, S = 0.
    given_header();
    given_checking();
    given_method_page(Sightboard_Page);
    type("SBM_Actual_Sag_Height_Near_Edit", "0");
    type("SBM_Actual_Sag_Height_Far_Edit", "250");
    given_quiet();
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages(), std::vector<std::string>{Calculation_Error_Message});
}

TEST_F(SightingMethods, ObservationForTheRequiredSagChecksBackToIt) {
    // D = 9.5 from the schedule; the observation shown is typed back as the measurement.
    struct RoundTrip {
        int page;
        const char* given_field;
        const char* given;
        const char* required;  // shown when sagging
        const char* measured;  // typed when checking
    };
    const RoundTrip trips[] = {
        {Sightboard_Page, "SBM_Actual_Sag_Height_Far_Edit", "1", "SBM_Required_Sag_Height_Near_Edit",
         "SBM_Actual_Sag_Height_Near_Edit"},
        {Sightboard_Page, "SBM_Actual_Sag_Height_Far_Edit", "30", "SBM_Required_Sag_Height_Near_Edit",
         "SBM_Actual_Sag_Height_Near_Edit"},
        {Level_Sighting_Page, "LSM_Support_Height_Difference_Edit", "10", "LSM_Required_Telescope_Height_Edit",
         "LSM_Actual_Telescope_Height_Edit"},
        {Level_Sighting_Page, "LSM_Support_Height_Difference_Edit", "-30", "LSM_Required_Telescope_Height_Edit",
         "LSM_Actual_Telescope_Height_Edit"},
    };
    for (bool imperial : {false, true}) {
        for (const RoundTrip& t : trips) {
            SCOPED_TRACE(std::string(t.given_field) + " " + t.given + (imperial ? " imperial" : ""));
            setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
            form().user_select("Sag_New_or_Existing_RadioGroup", 0);
            given_header();
            given_schedule();
            given_method_page(t.page);
            type(t.given_field, t.given);
            expect_round_trip(t.required, t.measured, 9.5, 0.01 + 1e-9);
            EXPECT_TRUE(messages().empty());
        }
    }
}

}  // namespace
}  // namespace vortan
