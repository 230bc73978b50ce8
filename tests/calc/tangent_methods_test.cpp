#include "calc/calculation_fault.h"
#include "calc/number_text.h"

#include "support/main_window_fixture.h"

#include <cmath>

namespace vortan {
namespace {

constexpr int Tangent_2_Page = 1;
constexpr int Tangent_1_Page = 2;

class TangentMethods : public testing::MainWindowTest {
protected:
    void given_circle(const char* button) {
        for (const char* b : {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"})
            setup.form().set_checked(b, false);
        setup.form().set_checked(button, true);
    }
    // Both schedule rows give the sag, so D is that sag at any temperature.
    void given_required_sag(const std::string& sag) {
        given_header();
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
    void given_tangent_1(const char* a, const char* far, const char* middle = "") {
        given_method_page(Tangent_1_Page);
        type("Tan_1S_Thedolite_Height_Edit", a);
        type("Tan_1S_Vert_Angle_Far_Edit", far);
        type("Tan_1S_Act_Vertical_Angle_Mid_Edit", middle);
    }
    // The worked two-span case: b = 250, near support at +2 degrees, far at +1 deg 30'.
    void given_tangent_2(const char* middle = "") {
        given_method_page(Tangent_2_Page);
        type("Tan_2S_Adjacent_Structure_Edit", "T0");
        type("Tan_2S_Vert_Angle_Near_Edit", "88");
        type("Tan_2S_Adjacent_Span_Edit", "250");
        type("Tan_2S_Vert_Angle_Far_Edit", "88.3");
        type("Tan_2S_Act_Vertical_Angle_Mid_Edit", middle);
    }
    double shown(const std::string& field) { return Text_To_Number(text(field), NumberFormat{}); }
};

struct Expected {
    const char* field;
    const char* text;
};

// L = 300 and D = 6 throughout.
//  level:   a = 6, far 1 deg 08'45" up: h = 300 tan(1.14583) - 6 = 0.00037, t = (4*6 + h - 24) / 300 =
//           1.2e-6 (0.25"), so the reading rounds to level; P = 50 sqrt(6/6) = 50.
//  rising:  a = 4, far at +2: h = 10.47623 - 4 = 6.47623, t = (4 sqrt 24 + 6.47623 - 24) / 300 = 0.0069072,
//           alpha = 0.395745 deg = 0 deg 23'44.7"; P = 50 sqrt(4/6) = 40.8.
//  2 spans: hN = 250 tan 2 = 8.73019, hF = 550 tan 1.5 = 14.40226, h = 5.67206; K = 1875,
//           X = 150 (5.67206/24 - 1) = -114.54960, Q = 62500 + 57274.80 + 32738.22 = 152513.02,
//           t = (390.5291 - 114.5496 - 250) / 1875 = 0.0138558, alpha = 0.793826 deg = 0 deg 47'37.8";
//           R = (8.73019 - 3.46394) / 6 = 0.87771, P = 50 sqrt R = 46.8.
TEST_F(TangentMethods, SaggingGivesTheReadingToSet) {
    struct Case {
        const char* name;
        const char* circle;
        int page;
        const char* a;
        const char* far;
        Expected expected[4];
    };
    const Case cases[] = {
        {"level, zenith", "Zenith_RadioButton", Tangent_1_Page, "6", "88.5115",
         {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "90.0000"}, {"Tan_1S_Reqd_Percent_Edit", "50 %"},
          {"Tan_1S_Required_Sag_Edit", "6.00"}, {"Tan_1S_Actual_Tension_Edit", "0.00"}}},
        {"level, altitude", "Altitude_RadioButton", Tangent_1_Page, "6", "1.0845",
         {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "0.0000"}, {"Tan_1S_Reqd_Percent_Edit", "50 %"},
          {"Tan_1S_Required_Sag_Edit", "6.00"}, {"Tan_1S_Actual_Tension_Edit", "0.00"}}},
        {"rising, zenith", "Zenith_RadioButton", Tangent_1_Page, "4", "88",
         {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "89.3615"}, {"Tan_1S_Reqd_Percent_Edit", "41 %"},
          {"Tan_1S_Required_Sag_Edit", "6.00"}, {"Tan_1S_Actual_Tension_Edit", "0.00"}}},
        {"rising, altitude", "Altitude_RadioButton", Tangent_1_Page, "4", "2",
         {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "0.2345"}, {"Tan_1S_Reqd_Percent_Edit", "41 %"}}},
        {"rising, nadir", "Nadir_RadioButton", Tangent_1_Page, "4", "92",
         {{"Tan_1S_Req_Vertical_Angle_Mid_Edit", "90.2345"}, {"Tan_1S_Reqd_Percent_Edit", "41 %"}}},
        {"two spans, zenith", "Zenith_RadioButton", Tangent_2_Page, "", "",
         {{"Tan_2S_Req_Vertical_Angle_Mid_Edit", "89.1222"}, {"Tan_2S_Reqd_Percent_Edit", "47 %"},
          {"Tan_2S_Required_Sag_Edit", "6.00"}, {"Tan_2S_Actual_Tension_Edit", "0.00"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        given_circle(c.circle);
        given_required_sag("6");
        if (c.page == Tangent_1_Page) {
            given_tangent_1(c.a, c.far);
        } else {
            given_tangent_2();
        }
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        for (const Expected& e : c.expected)
            if (e.field) {
                EXPECT_EQ(text(e.field), e.text) << e.field;
            }
        EXPECT_TRUE(messages().empty());
    }
}

// rising, tangent at +1: u = 300 tan 1 - 6.47623 = -1.23971, c = 4 + 1.23971 = 5.23971,
//   S = (2 + 2.28904)^2 / 4 = 4.5990, P = 50 sqrt(4 / 4.5990) = 46.6.
// 2 spans, tangent at +0 deg 50': a = 8.73019 - 250 (0.0145455) = 5.09383, c = a + 5.67206 - 4.36365 = 6.40224,
//   S = (2.25695 + 2.53027)^2 / 4 = 5.7294, P = 50 sqrt(5.09383 / 5.72937) = 47.1.
TEST_F(TangentMethods, CheckingGivesTheActualSag) {
    struct Case {
        const char* name;
        int page;
        const char* middle;
        Expected expected[4];
    };
    const Case cases[] = {
        {"one span", Tangent_1_Page, "89",
         {{"Tan_1S_Actual_Sag_Edit", "4.5990"}, {"Tan_1S_Actual_Percent_Edit", "47 %"},
          {"Tan_1S_Actual_Tension_Edit", "0.00"}, {"Actual_Sag_Edit", "4.60"}}},
        {"two spans", Tangent_2_Page, "89.1",
         {{"Tan_2S_Actual_Sag_Edit", "5.7294"}, {"Tan_2S_Actual_Percent_Edit", "47 %"},
          {"Tan_2S_Actual_Tension_Edit", "0.00"}, {"Actual_Sag_Edit", "5.73"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        given_header();
        given_checking();
        if (c.page == Tangent_1_Page) given_tangent_1("4", "88", c.middle);
        else given_tangent_2(c.middle);
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        for (const Expected& e : c.expected) EXPECT_EQ(text(e.field), e.text) << e.field;
        EXPECT_TRUE(messages().empty());
    }
}

// The reading shown, typed back as the tangent angle, gives D again within what
// the half second the reading rounds off moves the sag: |dS/dt| * 0.5" with
// S = (sqrt a + sqrt c)^2 / 4, c = a + h - t L, a = hN - b t:
//   one span: dS/dt = (sqrt a + sqrt c)/4 * (-L/sqrt c) = -126.7, tolerance 0.31 mm;
//   two spans: dS/dt = (sqrt a + sqrt c)/4 * (-b/sqrt a - (b+L)/sqrt c) = -392.1, tolerance 0.95 mm;
// plus the 0.05 mm of the four-decimal display.
TEST_F(TangentMethods, RequiredReadingCheckedGivesTheRequiredSag) {
    for (auto [page, prefix, tolerance] :
         {std::tuple{Tangent_1_Page, "Tan_1S_", 0.00031 + 0.00005}, std::tuple{Tangent_2_Page, "Tan_2S_", 0.00095 + 0.00005}}) {
        SCOPED_TRACE(prefix);
        form().user_select("Sag_New_or_Existing_RadioGroup", 0);
        given_required_sag("6");
        if (page == Tangent_1_Page) {
            given_tangent_1("4", "88");
        } else {
            given_tangent_2();
        }
        calculate();
        std::string reading = text(std::string(prefix) + "Req_Vertical_Angle_Mid_Edit");
        given_checking();
        if (page == Tangent_1_Page) {
            given_tangent_1("4", "88", reading.c_str());
        } else {
            given_tangent_2(reading.c_str());
        }
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_NEAR(shown(std::string(prefix) + "Actual_Sag_Edit"), 6.0, tolerance);
    }
}

// Each stops the run with the calculation-error message, even when quiet, and
// writes nothing:
//  one span, tangent at +3: c = 4 + 6.47623 - 15.72236 < 0, so the discriminant a c < 0;
//  two spans, tangent at +1 deg 45' (between the far line, 1.5, and the near, 2): a > 0, c < 0;
//  two spans, tangent at +3: a = -4.37 and c < 0 give S = -0.73 with a / S > 0: a negative sag;
//  two spans sagging, near support 10 deg down: Q = 62500 - 122794 - 165288 < 0;
//  one span sagging with a = -2 accepted outside its range: a D < 0.
TEST_F(TangentMethods, ImpossibleDataIsACalculationError) {
    struct Case {
        const char* name;
        bool checking;
        int page;
        const char* middle;
        const char* near;  // two spans
        const char* a;     // one span
        int yes_answers;
    };
    const Case cases[] = {
        {"one span, tangent above the far support", true, Tangent_1_Page, "87", "", "4", 0},
        {"two spans, tangent above the far support", true, Tangent_2_Page, "88.15", "88", "", 0},
        {"two spans, negative sag", true, Tangent_2_Page, "87", "88", "", 0},
        {"two spans, line below the cable", false, Tangent_2_Page, "", "100", "", 0},
        {"one span, negative support height", false, Tangent_1_Page, "", "", "-2", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag("6");
        if (c.page == Tangent_1_Page) {
            given_tangent_1(c.a, "88", c.middle);
        } else {
            given_tangent_2(c.middle);
            type("Tan_2S_Vert_Angle_Near_Edit", c.near);
        }
        const char* prefix = c.page == Tangent_1_Page ? "Tan_1S_" : "Tan_2S_";
        for (const char* out : {"Req_Vertical_Angle_Mid_Edit", "Reqd_Percent_Edit", "Required_Sag_Edit",
                                "Actual_Percent_Edit", "Actual_Sag_Edit", "Actual_Tension_Edit"})
            form().set_text(std::string(prefix) + out, "untouched");
        for (int i = 0; i < c.yes_answers; ++i) port.queue_answer(Answer::Yes);
        if (c.yes_answers == 0) given_quiet();
        auto before = messages().size();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_EQ(messages().size(), before + 1 + c.yes_answers);
        EXPECT_EQ(messages().back(), Calculation_Error_Message);
        for (const char* out : {"Req_Vertical_Angle_Mid_Edit", "Reqd_Percent_Edit", "Required_Sag_Edit",
                                "Actual_Percent_Edit", "Actual_Sag_Edit", "Actual_Tension_Edit"})
            EXPECT_EQ(text(std::string(prefix) + out), "untouched") << out;
    }
}

TEST_F(TangentMethods, EmptyAdjacentStructureStopsBeforeAnyAngle) {
    given_required_sag("6");
    given_tangent_2();
    type("Tan_2S_Adjacent_Structure_Edit", "");
    type("Tan_2S_Vert_Angle_Near_Edit", "abc");
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_EQ(messages(), std::vector<std::string>{"Error : The Adjacent Structure cannot be null."});
    EXPECT_EQ(text("Tan_2S_Req_Vertical_Angle_Mid_Edit"), "");
    given_quiet();
    calculate();
    EXPECT_EQ(messages().size(), 1u);  // a quiet run shows no reader message
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
}

TEST_F(TangentMethods, ReaderRejectionsEndTheRun) {
    struct Case {
        const char* name;
        bool quiet;
        const char* far;
        const char* middle;
        const char* message;
    };
    const Case cases[] = {
        {"far angle not DDD.MMSS", false, "12.6", "",
         "Error : The Vertical Angle Far angle must be entered in DDD.MMSS format, which consists of Degrees "
         "followed by up to 4 decimal digits representing the Minutes and Seconds where Degrees <= 360, MM < 60 "
         "and SS < 60."},
        {"far angle in the wrong face, quiet", true, "200", "",
         "Error : The Vertical Angle Far is in the wrong face.  Please use the other face of the theodolite."},
        {"tangent angle empty when checking", false, "88", "",
         "Error : The Actual Vertical Angle (Middle) angle must be entered in DDD.MMSS format, which consists of "
         "Degrees followed by up to 4 decimal digits representing the Minutes and Seconds where Degrees <= 360, "
         "MM < 60 and SS < 60."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        given_header();
        given_checking();
        given_tangent_1("4", c.far, c.middle);
        if (c.quiet) given_quiet();
        auto before = messages().size();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(messages_since(before), std::vector<std::string>{c.message});
        EXPECT_EQ(text("Tan_1S_Actual_Sag_Edit"), "");
    }
}

TEST_F(TangentMethods, ImperialSupportHeightBoundsAreInFeet) {
    given_imperial_units();
    given_header();
    given_checking();
    given_tangent_1("2", "88", "89");
    port.queue_answer(Answer::No);
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    EXPECT_NE(messages().back().find(
                  "The Near support height above theodolite centre should be a number between 3.28 and 328.10."),
              std::string::npos);
}

}  // namespace
}  // namespace vortan
