#include "calc/calculation_fault.h"
#include "calc/number_text.h"

#include "support/main_window_fixture.h"

#include <algorithm>

namespace vortan {
namespace {

constexpr int Offset_Page = 5;

// The test lines run at 100 m from the theodolite in plan, so a point seen at
// bearing phi lies 100 cot(phi) along the line and 100 / sin(phi) away: every
// plan distance below is read off that picture, not off the method's triangles.
struct Bearings {
    const char* adjacent;
    const char* near;
    const char* middle;
    const char* far;
    const char* adjacent_span;  // b = 100 (cot H_A - cot H_N) in magnitude
    const char* span;           // L
};

// 150, 120, 60, 45: A at -173.2051, N at -57.7350, M at 57.7350, F at 100.
// ON = OM = 115.4701, OF = 141.4214, x = 42.2650, L1 = 115.4701, P = 73.2.
const Bearings Ahead_Of_Near{"150", "120", "60", "45", "115.470054", "157.735027"};
// 120, 80, 45, 30: A at -57.7350, N at 17.6327, M at 100, F at 173.2051. The foot
// of the theodolite (0) lies behind N, so the angle at N is obtuse (100 deg).
// ON = 101.5427, OM = 141.4214, OF = 200, x = 73.2051, L1 = 82.3673, P = 52.9.
const Bearings Behind_Near{"120", "80", "45", "30", "75.367725", "155.572383"};

class OffsetMethod : public testing::MainWindowTest {
protected:
    void given_circle(const char* button) {
        for (const char* b : {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"})
            setup.form().set_checked(b, false);
        setup.form().set_checked(button, true);
    }
    void given_required_sag(const std::string& span, const std::string& sag) {
        given_header("T1", "T2", span);
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
    // Near support at +5 deg, far at +5 deg 30' (zenith readings 85 and 84.3).
    void given_offset(const Bearings& at, const char* middle_level = "") {
        given_method_page(Offset_Page);
        type("Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", at.adjacent);
        type("Off_2S_Horiz_Bearing_Angle_Near_Edit", at.near);
        type("Off_2S_Horiz_Bearing_Angle_Mid_Edit", at.middle);
        type("Off_2S_Horiz_Bearing_Angle_Far_Edit", at.far);
        type("Off_2S_Vert_Angle_Near_Edit", "85");
        type("Off_2S_Vert_Angle_Mid_Act_Edit", middle_level);
        type("Off_2S_Vert_Angle_Far_Edit", "84.3");
        type("Off_2S_Adjacent_Span_Edit", at.adjacent_span);
        type("Off_2S_Adjacent_Structure_Edit", "T0");
    }
    std::vector<std::string> last_report() {
        const auto& lines = port.transcript();
        auto end = std::find(lines.rbegin(), lines.rend(), "REPORT END");
        auto begin = std::find(end, lines.rend(), "REPORT BEGIN");
        if (begin == lines.rend()) return {};
        return {begin.base(), end.base() - 1};
    }
    bool report_shown() {
        const auto& lines = port.transcript();
        return std::find(lines.begin(), lines.end(), "REPORT BEGIN") != lines.end();
    }
    void preset_outputs() {
        for (const char* out : {"Off_2S_Vert_Angle_Mid_Req_Edit", "Off_2S_Reqd_Sag_Edit", "Off_2S_Actual_Sag_Edit",
                                "Off_2S_Percent_Edit", "Off_2S_Actual_Tension_Edit"})
            form().set_text(out, "untouched");
    }
};

struct Expected {
    const char* field;
    const char* text;
};

// Sagging ahead of N, D = 6: zN = tan 5 * 115.4701 = 10.1023, zF = tan 5.5 * 141.4214 = 13.6173;
// chord = (115.4701 * 13.6173 + 42.2650 * 10.1023) / 157.7350 = 12.6140; K = 157.735^2 / 48 = 518.3404;
// z = 12.6140 - 42.2650 * 115.4701 / 1036.6808 = 7.9678; theta = atan(7.9678 / 115.4701) = 3.947346 deg
// = 3 deg 56'50": zenith 86 deg 03'10", nadir 93 deg 56'50".
// Checking ahead of N at +4: zM = tan 4 * 115.4701 = 8.0745; K' = 115.4701 * 157.7350 / 2 = 9106.836;
// E = (10.1023 - 8.0745) + (115.4701 / 42.2650) (13.6173 - 8.0745) = 17.1713; c = 530.353, S = 5.8641.
// Checking behind N at +4: zN = tan 5 * 101.5427 = 8.8838, zM = tan 4 * 141.4214 = 9.8891,
// zF = tan 5.5 * 200 = 19.2578; K' = 82.3673 * 155.5724 / 2 = 6407.039;
// E = -1.0053 + (82.3673 / 73.2051) 9.3687 = 9.5359; c = 671.885, S = 155.5724^2 / 5375.08 = 4.5028.
TEST_F(OffsetMethod, SaggingAndCheckingFromBearings) {
    struct Case {
        const char* name;
        const char* circle;
        const Bearings* at;
        const char* middle_level;  // empty: sagging with D = 6
        const char* near_level;
        const char* far_level;
        Expected expected[5];
    };
    const Case cases[] = {
        {"sagging, zenith", "Zenith_RadioButton", &Ahead_Of_Near, "", "85", "84.3",
         {{"Off_2S_Vert_Angle_Mid_Req_Edit", "86.0310"}, {"Off_2S_Percent_Edit", "73.2"},
          {"Off_2S_Reqd_Sag_Edit", "6.00"}, {"Off_2S_Actual_Tension_Edit", "0.00"},
          {"Off_2S_Actual_Sag_Edit", "untouched"}}},
        {"sagging, nadir", "Nadir_RadioButton", &Ahead_Of_Near, "", "95", "95.3",
         {{"Off_2S_Vert_Angle_Mid_Req_Edit", "93.5650"}}},
        {"checking ahead of N", "Zenith_RadioButton", &Ahead_Of_Near, "86", "85", "84.3",
         {{"Off_2S_Actual_Sag_Edit", "5.8641"}, {"Actual_Sag_Edit", "5.86"}, {"Off_2S_Percent_Edit", "73.2"},
          {"Off_2S_Vert_Angle_Mid_Req_Edit", "0.0000"}, {"Off_2S_Reqd_Sag_Edit", "untouched"}}},
        {"checking behind N", "Zenith_RadioButton", &Behind_Near, "86", "85", "84.3",
         {{"Off_2S_Actual_Sag_Edit", "4.5028"}, {"Off_2S_Percent_Edit", "52.9"},
          {"Off_2S_Actual_Tension_Edit", "0.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        given_circle(c.circle);
        bool checking = *c.middle_level != '\0';
        form().user_select("Sag_New_or_Existing_RadioGroup", checking ? 1 : 0);
        given_required_sag(c.at->span, "6");
        given_offset(*c.at, c.middle_level);
        type("Off_2S_Vert_Angle_Near_Edit", c.near_level);
        type("Off_2S_Vert_Angle_Far_Edit", c.far_level);
        preset_outputs();
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        for (const Expected& e : c.expected)
            if (e.field) {
                EXPECT_EQ(text(e.field), e.text) << e.field;
            }
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(last_report().size(), 42u);
    }
}

// The half second the shown reading rounds off moves the middle point by
// OM sec^2(theta) * 2.42e-6 = 0.00028 m, and the sag by L^2 / (4 L1 x) times
// that: 157.735^2 / (4 * 115.4701 * 42.2650) * 0.00028 = 0.00036 m.
TEST_F(OffsetMethod, RequiredReadingCheckedGivesTheRequiredSag) {
    given_required_sag(Ahead_Of_Near.span, "6");
    given_offset(Ahead_Of_Near);
    calculate();
    std::string reading = text("Off_2S_Vert_Angle_Mid_Req_Edit");
    given_checking();
    type("Off_2S_Vert_Angle_Mid_Act_Edit", reading);
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_NEAR(Text_To_Number(text("Off_2S_Actual_Sag_Edit"), NumberFormat{}), 6.0, 0.00036 + 0.00005);
}

// Readings across 0/360 with the altitude circle: 300, 350, 10, 45 are the
// bearings 150, 100, 80, 45 of the picture turned, so alpha2 = 20 deg, not 340.
// ON = OM = 100 / sin 100 = 101.5427, OF = 141.4214, x = 100 + 100 cot 100 = 82.3673,
// L1 = 117.6327 - 82.3673 = 35.2654, P = 30.0. With D = 2: zN = tan 5 * 101.5427 = 8.8838,
// zF = tan 5.5 * 141.4214 = 13.6173, chord = (35.2654 * 13.6173 + 82.3673 * 8.8838) / 117.6327 = 10.3029,
// K = 117.6327^2 / 16 = 864.8407, z = 10.3029 - 82.3673 * 35.2654 / 1729.6815 = 8.6236,
// theta = atan(8.6236 / 101.5427) = 4.854226 deg = 4 deg 51'15", read as such on the altitude circle.
TEST_F(OffsetMethod, BearingsAcrossNorthWithTheAltitudeCircle) {
    given_circle("Altitude_RadioButton");
    given_required_sag("117.632698", "2");
    given_offset(Bearings{"300", "350", "10", "45", "155.572383", "117.632698"});
    type("Off_2S_Vert_Angle_Near_Edit", "5");
    type("Off_2S_Vert_Angle_Far_Edit", "5.3");
    calculate();
    EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
    auto report = last_report();
    ASSERT_EQ(report.size(), 42u);
    EXPECT_EQ(report[1], "Theodolite in Use                  = Altitude");
    EXPECT_EQ(report[18], "Off_2S_Horiz_Angle_Middle          = 0.3491 Radians (20.0000 Degrees)");
    EXPECT_EQ(text("Off_2S_Percent_Edit"), "30.0");
    EXPECT_EQ(text("Off_2S_Vert_Angle_Mid_Req_Edit"), "4.5115");
}

TEST_F(OffsetMethod, ZenithRejectsAHorizontalReadingBeyond180EvenWhenQuiet) {
    given_required_sag(Ahead_Of_Near.span, "6");
    given_offset(Ahead_Of_Near);
    type("Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", "0");
    type("Off_2S_Horiz_Bearing_Angle_Near_Edit", "350");
    given_quiet();
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages(), std::vector<std::string>{"Error : The Horizontal Angle (Near) is in the wrong face.  "
                                                   "Please use the other face of the theodolite."});
    EXPECT_FALSE(report_shown());
}

// Equal bearings to A and N give alpha1 = 0.
TEST_F(OffsetMethod, DegenerateBearingsAreACalculationErrorEvenWhenQuiet) {
    struct Case {
        const char* name;
        Bearings at;
    };
    const Case cases[] = {
        {"adjacent and near on one bearing", {"120", "120", "60", "45", "115.470054", "157.735027"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        given_required_sag(c.at.span, "6");
        given_offset(c.at);
        preset_outputs();
        given_quiet();
        auto before = messages().size();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(messages_since(before), std::vector<std::string>{Calculation_Error_Message});
        EXPECT_EQ(text("Off_2S_Vert_Angle_Mid_Req_Edit"), "untouched");
        EXPECT_EQ(text("Off_2S_Percent_Edit"), "untouched");
        EXPECT_FALSE(report_shown());
    }
}

// A middle point seen 10 deg below the horizontal lies above the chord of no
// parabola: E < 0 gives a negative sag.
TEST_F(OffsetMethod, CableAboveTheChordIsACalculationError) {
    given_header("T1", "T2", Ahead_Of_Near.span);
    given_checking();
    given_offset(Ahead_Of_Near, "80");
    preset_outputs();
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages().back(), Calculation_Error_Message);
    EXPECT_EQ(text("Off_2S_Actual_Sag_Edit"), "untouched");
}

TEST_F(OffsetMethod, AdjacentStructureIsReadLast) {
    given_required_sag(Ahead_Of_Near.span, "6");
    given_offset(Ahead_Of_Near);
    type("Off_2S_Adjacent_Structure_Edit", "");
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages(), std::vector<std::string>{"Error : The Adjacent Structure cannot be null."});
    given_quiet();
    calculate();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(report_shown());
}

TEST_F(OffsetMethod, EveryRunReplacesTheListing) {
    given_required_sag(Ahead_Of_Near.span, "6");
    given_offset(Ahead_Of_Near);
    calculate();
    given_checking();
    type("Off_2S_Vert_Angle_Mid_Act_Edit", "86");
    calculate();
    auto report = last_report();
    ASSERT_EQ(report.size(), 42u);
    EXPECT_EQ(std::count(report.begin(), report.end(), ""), 10);
    EXPECT_EQ(report.back(), "");
    EXPECT_EQ(report[2], "SAG New or Existing Cable          = Check Cable Sag");
    EXPECT_EQ(report[14], "Off_2S_Vert_Angle_Mid_Req          = 0.0000 Radians (0.0000 Degrees)");
    EXPECT_EQ(report[40], "Actual_Sag                         = 5.86");
}

}  // namespace
}  // namespace vortan
