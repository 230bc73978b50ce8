// What each method sketches must agree with the cable it computed: sight
// lines that touch the cable touch the parabola of the run's sag, a height
// stick reaches the cable, the offset method's middle point lies on it.
#include "calc/calculation_run.h"
#include "diagram/span_diagram.h"

#include "support/main_window_fixture.h"

#include <algorithm>
#include <functional>

namespace vortan {
namespace {

class SpanSketches : public testing::MainWindowTest {
protected:
    RunValues run() {
        CalcContext c = context();
        RunValues values = Calculate_Sag_BitBtnClick(c);
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox")) << (messages().empty() ? "" : messages().back());
        return values;
    }
    static double cable(const RunValues& r, double x) {
        return parabola_height(r.span_length, r.sag(), r.sketch.rise_or_level(), x);
    }
    // The least height of the cable over a line across the span: 0 when the
    // line touches the cable from below, as a sight line to it does.
    static double clearance(const RunValues& r, const SketchLine& line) {
        double least = 1e9;
        for (int n = 0; n <= 4000; ++n) {
            const double x = r.span_length * n / 4000;
            const double t = (x - line.from.x) / (line.to.x - line.from.x);
            least = std::min(least, cable(r, x) - (line.from.y + t * (line.to.y - line.from.y)));
        }
        return least;
    }
};

struct TouchingCase {
    const char* method;
    int page;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* check_field;  // the observation a check types, taken from the sagging run's result
    const char* result_field;
};

TEST_F(SpanSketches, SightLinesTouchTheCableWhenSaggingAndWhenChecking) {
    const TouchingCase cases[] = {
        {"sightboard", 0, {{"SBM_Actual_Sag_Height_Far_Edit", "1"}}, "SBM_Actual_Sag_Height_Near_Edit",
         "SBM_Required_Sag_Height_Near_Edit"},
        {"level sighting", 4, {{"LSM_Support_Height_Difference_Edit", "6"}}, "LSM_Actual_Telescope_Height_Edit",
         "LSM_Required_Telescope_Height_Edit"},
        {"tangent 1 span", 2, {{"Tan_1S_Thedolite_Height_Edit", "4"}, {"Tan_1S_Vert_Angle_Far_Edit", "88"}},
         "Tan_1S_Act_Vertical_Angle_Mid_Edit", "Tan_1S_Req_Vertical_Angle_Mid_Edit"},
        {"tangent 2 span",
         1,
         {{"Tan_2S_Adjacent_Structure_Edit", "T0"},
          {"Tan_2S_Vert_Angle_Near_Edit", "88"},
          {"Tan_2S_Adjacent_Span_Edit", "250"},
          {"Tan_2S_Vert_Angle_Far_Edit", "88.3"}},
         "Tan_2S_Act_Vertical_Angle_Mid_Edit", "Tan_2S_Req_Vertical_Angle_Mid_Edit"},
    };
    for (const TouchingCase& c : cases) {
        form().user_select("Sag_New_or_Existing_RadioGroup", 0);
        given_header();
        given_schedule();
        given_method_page(c.page);
        for (const auto& [field, value] : c.fields) type(field, value);
        const RunValues sagging = run();
        ASSERT_FALSE(sagging.sketch.sights.empty()) << c.method;
        EXPECT_NEAR(clearance(sagging, sagging.sketch.sights[0]), 0, 0.01) << c.method;
        EXPECT_EQ(sagging.sketch.stations.at(0), sagging.sketch.sights[0].from) << c.method;
        // Checking with what the sagging run asked for sees the same cable.
        const std::string observation = text(c.result_field);
        given_checking();
        type(c.check_field, observation);
        const RunValues checking = run();
        EXPECT_NEAR(checking.actual_sag, sagging.required_sag, 0.02) << c.method;
        EXPECT_NEAR(clearance(checking, checking.sketch.sights.at(0)), 0, 0.02) << c.method;
    }
}

TEST_F(SpanSketches, TheHeightStickReachesTheCableAndTheSightsEndAtTheSupports) {
    given_header();
    given_schedule();
    given_method_page(6);
    for (auto [field, value] : {std::pair{"HSM_Near_Vert_Angle_Edit", "84"}, {"HSM_Far_Vert_Angle_Edit", "80"},
                                {"HSM_Theodolite_Height_Edit", "1.5"}, {"HSM_Near_Distance_Edit", "100"}})
        type(field, value);
    const RunValues r = run();
    ASSERT_EQ(r.sketch.sticks.size(), 1u);
    const SketchLine& stick = r.sketch.sticks[0];
    EXPECT_DOUBLE_EQ(stick.from.x, 100);
    EXPECT_NEAR(stick.to.y, cable(r, 100), 1e-9);
    EXPECT_NEAR(r.sketch.stations.at(0).y - stick.from.y, 1.5, 1e-9);  // the theodolite over the ground
    EXPECT_EQ(r.sketch.sights.at(0).to, (SpanPoint{0, 0}));
    EXPECT_EQ(r.sketch.sights.at(1).to, (SpanPoint{300, r.sketch.rise}));
}

TEST_F(SpanSketches, TheOffsetMethodsMiddlePointLiesOnTheCable) {
    given_header("T1", "T2", "157.735027");
    given_schedule();
    type("Upper_Sag_Edit", "6");
    type("Lower_Sag_Edit", "6");
    given_method_page(5);
    for (auto [field, value] :
         {std::pair{"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", "150"}, {"Off_2S_Horiz_Bearing_Angle_Near_Edit", "120"},
          {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", "60"}, {"Off_2S_Horiz_Bearing_Angle_Far_Edit", "45"},
          {"Off_2S_Vert_Angle_Near_Edit", "85"}, {"Off_2S_Vert_Angle_Far_Edit", "84.3"},
          {"Off_2S_Adjacent_Span_Edit", "115.470054"}, {"Off_2S_Adjacent_Structure_Edit", "T0"}})
        type(field, value);
    const RunValues r = run();
    ASSERT_EQ(r.sketch.sights.size(), 3u);
    const SpanPoint middle = r.sketch.sights[1].to;
    EXPECT_GT(middle.x, 0);
    EXPECT_LT(middle.x, 157.735027);
    EXPECT_NEAR(middle.y, cable(r, middle.x), 1e-6);
}

// Methods that observe no heights leave the supports level and draw no sight.
TEST_F(SpanSketches, TimingMethodsSketchNothingButTheSpan) {
    given_header();
    given_schedule();
    given_method_page(8);
    type("Swing_Number_of_Swings_Edit", "5");
    const RunValues r = run();
    EXPECT_FALSE(r.sketch.rise_known);
    EXPECT_TRUE(r.sketch.sights.empty() && r.sketch.stations.empty() && r.sketch.sticks.empty());
}

}  // namespace
}  // namespace vortan
