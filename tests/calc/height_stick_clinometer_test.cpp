#include "calc/calculation_fault.h"

#include "support/main_window_fixture.h"

#include <string>

namespace vortan {
namespace {

constexpr int Height_Stick_Page = 6;
constexpr int Clino_1_Page = 10;
constexpr int Clino_2_Page = 11;

// Hand arithmetic below uses tan 10 deg = 0.176327, tan 6 deg = 0.105104, and
// the closed forms of the two parabolas through the supports:
//   R = t + zN + e h / L - 4 D e (L - e) / L^2
//   S = L^2 (q + h e / L) / (4 e (L - e)),  q = t + zN - k.

class HeightStickClinometer : public testing::MainWindowTest {
protected:
    // The messages of the current case only.
    void start_case() { shown_before = messages().size(); }
    std::vector<std::string> shown() { return messages_since(shown_before); }
    size_t shown_before = 0;

    // Both schedule rows give the sag, so D is that sag at any temperature.
    void given_span_and_sag(const std::string& span, const std::string& sag) {
        given_header("T1", "T2", span);
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
    void given_mode(bool checking) { form().user_select("Sag_New_or_Existing_RadioGroup", checking ? 1 : 0); }
    void given_circle(const char* circle) {
        for (const char* b : {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"})
            setup.form().set_checked(b, std::string(b) == circle);
    }
    void given_stick(const std::string& near_angle, const std::string& far_angle, const std::string& theodolite,
                     const std::string& near, const std::string& stick) {
        given_method_page(Height_Stick_Page);
        type("HSM_Near_Vert_Angle_Edit", near_angle);
        type("HSM_Far_Vert_Angle_Edit", far_angle);
        type("HSM_Theodolite_Height_Edit", theodolite);
        type("HSM_Near_Distance_Edit", near);
        type("HSM_Actual_Stick_Height_Edit", stick);
    }
    void given_clino(int page, const std::string& g1, const std::string& g2, const std::string& l1 = "") {
        given_method_page(page);
        const std::string prefix = page == Clino_1_Page ? "Clino_1_Tan_" : "Clino_2_Tan_";
        type(prefix + "Grad1_Edit", g1);
        type(prefix + "Grad2_Edit", g2);
        if (page == Clino_1_Page) type("Clino_1_Tan_L1_Edit", l1);
    }
    // Outputs hold a marker, so a failed run can be seen to write nothing.
    void given_marked_outputs() {
        for (const char* f : {"Actual_Sag_Edit", "HSM_Required_Stick_Height_Edit", "HSM_Required_Sag_Edit",
                              "HSM_Actual_Sag_Edit", "Clino_1_Tan_Actual_Sag_Edit", "Clino_2_Tan_Actual_Sag_Edit"})
            form().set_text(f, "7.77");
    }
    void expect_nothing_written() {
        for (const char* f : {"Actual_Sag_Edit", "HSM_Required_Stick_Height_Edit", "HSM_Required_Sag_Edit",
                              "HSM_Actual_Sag_Edit", "Clino_1_Tan_Actual_Sag_Edit", "Clino_2_Tan_Actual_Sag_Edit"})
            EXPECT_EQ(text(f), "7.77") << f;
    }
};

struct StickCase {
    const char* name;
    const char* circle;
    bool imperial;
    bool checking;
    const char* span;
    const char* sag;
    const char* near_angle;
    const char* far_angle;
    const char* theodolite;
    const char* near;
    const char* stick;  // empty when sagging: it must not be read
    const char* field;
    const char* expected;
};

TEST_F(HeightStickClinometer, HeightStickRequiredHeightsAndActualSags) {
    const StickCase cases[] = {
        // Level supports, mid-span: R = t + zN - D = 1.5 + 17.6327 - 4 = 15.1327.
        {"level mid-span height", "Zenith_RadioButton", false, false, "200", "4", "80", "80", "1.5", "100", "",
         "HSM_Required_Stick_Height_Edit", "15.13"},
        {"required sag copy", "Zenith_RadioButton", false, false, "200", "4", "80", "80", "1.5", "100", "",
         "HSM_Required_Sag_Edit", "4.00"},
        {"sagging leaves the actual sag", "Zenith_RadioButton", false, false, "200", "4", "80", "80", "1.5", "100",
         "", "Actual_Sag_Edit", "7.77"},
        // Nadir: 100 is +10 deg, the same geometry.
        {"nadir circle", "Nadir_RadioButton", false, false, "200", "4", "100", "100", "1.5", "100", "",
         "HSM_Required_Stick_Height_Edit", "15.13"},
        // zN = 10.5104, zF = 0.176327 * 200 = 35.2654, h = 24.7550;
        // R = 1.5 + 10.5104 + 24.7550 / 3 - 4 * 9.5 * 100 * 200 / 90000 = 1.5 + 10.5104 + 8.2517 - 8.4444 = 11.8177.
        {"inclined off-centre height", "Zenith_RadioButton", false, false, "300", "9.5", "84", "80", "1.5", "100", "",
         "HSM_Required_Stick_Height_Edit", "11.82"},
        // Level, mid-span: S = q = 1.5 + 17.6327 - 14 = 5.1327.
        {"level mid-span sag", "Zenith_RadioButton", false, true, "200", "9", "80", "80", "1.5", "100", "14",
         "HSM_Actual_Sag_Edit", "5.13"},
        {"actual sag in the run", "Zenith_RadioButton", false, true, "200", "9", "80", "80", "1.5", "100", "14",
         "Actual_Sag_Edit", "5.13"},
        // q = 1.5 + 10.5104 - 10 = 2.0104; S = 90000 * (2.0104 + 8.2517) / 80000 = 11.5448.
        {"inclined off-centre sag", "Zenith_RadioButton", false, true, "300", "9", "84", "80", "1.5", "100", "10",
         "HSM_Actual_Sag_Edit", "11.54"},
        // Altitude: 10 is +10 deg, 350 is -10 deg. zN = 17.6327, zF = -35.2654, h = -52.8981;
        // q = 1.5 + 17.6327 - 1 = 18.1327, q + h / 3 = 0.5; S = 90000 * 0.5 / 80000 = 0.5625.
        {"altitude circle, far support below", "Altitude_RadioButton", false, true, "300", "9", "10", "350", "1.5",
         "100", "1", "HSM_Actual_Sag_Edit", "0.56"},
        // Feet throughout; t = 5 ft is inside 3 m = 9.84 ft. R = 5 + 17.6327 - 13.12 = 9.5127.
        {"imperial height", "Zenith_RadioButton", true, false, "200", "13.12", "80", "80", "5", "100", "",
         "HSM_Required_Stick_Height_Edit", "9.51"},
        // S = q = 5 + 17.6327 - 10 = 12.6327.
        {"imperial sag", "Zenith_RadioButton", true, true, "200", "9", "80", "80", "5", "100", "10",
         "HSM_Actual_Sag_Edit", "12.63"},
    };
    for (const StickCase& c : cases) {
        SCOPED_TRACE(c.name);
        start_case();
        given_circle(c.circle);
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        given_mode(c.checking);
        given_span_and_sag(c.span, c.sag);
        given_stick(c.near_angle, c.far_angle, c.theodolite, c.near, c.stick);
        given_marked_outputs();
        calculate();
        EXPECT_TRUE(shown().empty());
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(text(c.field), c.expected);
    }
}

struct RoundTrip {
    const char* name;
    const char* circle;
    bool imperial;
    const char* span;
    const char* near_angle;
    const char* far_angle;
    const char* theodolite;
    const char* near;
};

// The height a sagging run asks for, measured back, is the required sag. The
// stick height is shown to 0.01; dS/dk = L^2 / (4 e (L - e)) is about 1 for
// these positions, so the sag comes back within 0.01.
TEST_F(HeightStickClinometer, RequiredStickHeightMeasuredBackGivesTheRequiredSag) {
    const RoundTrip cases[] = {
        {"inclined off-centre", "Zenith_RadioButton", false, "300", "84", "80", "1.5", "100"},
        {"near support below the theodolite", "Zenith_RadioButton", false, "450", "91.3", "83.3", "1.6", "200"},
        {"nadir, far part of the span", "Nadir_RadioButton", false, "400", "100", "95", "1.4", "250"},
        {"imperial", "Zenith_RadioButton", true, "984.25", "84", "80", "5", "328.08"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        start_case();
        given_circle(c.circle);
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        given_mode(false);
        given_span_and_sag(c.span, "9.5");
        given_stick(c.near_angle, c.far_angle, c.theodolite, c.near, "");
        calculate();
        ASSERT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        const std::string height = text("HSM_Required_Stick_Height_Edit");

        given_mode(true);
        type("HSM_Actual_Stick_Height_Edit", height);
        calculate();
        EXPECT_TRUE(shown().empty());
        ASSERT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_NEAR(std::stod(text("HSM_Actual_Sag_Edit")), 9.5, 0.01) << "height " << height;
        EXPECT_EQ(text("Actual_Sag_Edit"), text("HSM_Actual_Sag_Edit"));
    }
}

struct FaultCase {
    const char* name;
    bool checking;
    bool quiet;
    int confirmations;  // range questions answered Yes
    const char* span;
    const char* near_angle;
    const char* far_angle;
    const char* theodolite;
    const char* near;
    const char* stick;
};

TEST_F(HeightStickClinometer, HeightStickFaultsEndTheRunWithTheCalculationError) {
    const FaultCase cases[] = {
        // n = L - e = 0.
        {"theodolite at the far structure", true, false, 0, "300", "80", "80", "1.5", "300", "5"},
        // q = 1.5 + 17.6327 - 20 = -0.8673 < 0 at mid-span: c < 0, S = -0.87.
        {"cable above its chord", true, false, 0, "200", "80", "80", "1.5", "100", "20"},
        {"cable above its chord, quiet", true, true, 0, "200", "80", "80", "1.5", "100", "20"},
        // Level sights: zN = h = 0, q = 1.5 - 1.5 = 0, so 2 (p m / n - q) = 0.
        {"cable at the theodolite's height", true, false, 0, "200", "90", "90", "1.5", "100", "1.5"},
        // Near distance 2 reads as 0 while quiet: m = 0, so c = 0.
        {"near distance read as 0", true, true, 0, "200", "80", "80", "1.5", "2", "14"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        start_case();
        given_mode(c.checking);
        given_span_and_sag(c.span, "4");
        given_stick(c.near_angle, c.far_angle, c.theodolite, c.near, c.stick);
        given_marked_outputs();
        for (int i = 0; i < c.confirmations; ++i) port.queue_answer(Answer::Yes);
        if (c.quiet) given_quiet();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_EQ(shown().size(), static_cast<size_t>(c.confirmations) + 1);
        EXPECT_EQ(shown().back(), Calculation_Error_Message);
        expect_nothing_written();
    }
}

struct ReaderCase {
    const char* name;
    int page;
    bool checking;
    bool imperial;
    const char* field;
    const char* entry;
    const char* message;
};

const char* const Near_Angle_Format_Message =
    "Error : The Vertical Angle Near angle must be entered in DDD.MMSS format, which consists of Degrees followed "
    "by up to 4 decimal digits representing the Minutes and Seconds where Degrees <= 360, MM < 60 and SS < 60.";

TEST_F(HeightStickClinometer, EachReadingNamesItselfAndEndsTheRun) {
    const ReaderCase cases[] = {
        {"near angle", Height_Stick_Page, false, false, "HSM_Near_Vert_Angle_Edit", "", Near_Angle_Format_Message},
        {"far angle wrong face", Height_Stick_Page, false, false, "HSM_Far_Vert_Angle_Edit", "200",
         "Error : The Vertical Angle Far is in the wrong face.  Please use the other face of the theodolite."},
        {"theodolite height", Height_Stick_Page, false, false, "HSM_Theodolite_Height_Edit", "",
         "Error : The Theodolite Height should be a number between 0.00 and 3.00."},
        {"near distance", Height_Stick_Page, false, false, "HSM_Near_Distance_Edit", "",
         "Error : The Near Distance should be a number between 5.00 and 1,500.00."},
        {"stick height", Height_Stick_Page, true, false, "HSM_Actual_Stick_Height_Edit", "",
         "Error : The Cable Height Above Ground should be a number between 0.00 and 100.00."},
        // Bounds times 3.281: 5 m = 16.405 ft, 1500 m = 4,921.5 ft, 100 m = 328.1 ft.
        {"near distance in feet", Height_Stick_Page, false, true, "HSM_Near_Distance_Edit", "",
         "Error : The Near Distance should be a number between 16.41 and 4,921.50."},
        {"stick height in feet", Height_Stick_Page, true, true, "HSM_Actual_Stick_Height_Edit", "",
         "Error : The Cable Height Above Ground should be a number between 0.00 and 328.10."},
        {"clino 1 near gradient", Clino_1_Page, true, false, "Clino_1_Tan_Grad1_Edit", "",
         "Error : The Gradient should be a number between 0.00 and 100.00."},
        {"clino 1 far gradient", Clino_1_Page, true, false, "Clino_1_Tan_Grad2_Edit", "x",
         "Error : The Gradient should be a number between 0.00 and 100.00."},
        {"clino 1 L1", Clino_1_Page, true, false, "Clino_1_Tan_L1_Edit", "",
         "Error : The L1 Distance should be a number between 5.00 and 1,500.00."},
        {"clino 1 L1 in feet", Clino_1_Page, true, true, "Clino_1_Tan_L1_Edit", "",
         "Error : The L1 Distance should be a number between 16.41 and 4,921.50."},
        // A gradient is a percentage in either unit system.
        {"clino 2 gradient in feet", Clino_2_Page, false, true, "Clino_2_Tan_Grad2_Edit", "",
         "Error : The Gradient should be a number between 0.00 and 100.00."},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        start_case();
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        given_mode(c.checking);
        given_span_and_sag("200", "4");
        if (c.page == Height_Stick_Page)
            given_stick("80", "80", "1.5", "100", "14");
        else
            given_clino(c.page, "4", "4", "100");
        type(c.field, c.entry);
        given_marked_outputs();
        calculate();
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_EQ(shown().size(), 1u);
        EXPECT_EQ(shown().back(), c.message);
        expect_nothing_written();
    }
}

TEST_F(HeightStickClinometer, ReadsInOrderAndStopsAtTheFirstMissingValue) {
    given_mode(true);
    given_span_and_sag("200", "4");
    given_stick("", "", "", "", "");
    calculate();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back(), Near_Angle_Format_Message);

    start_case();
    given_clino(Clino_1_Page, "", "", "");
    calculate();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(text("Clino_1_Tan_Actual_Sag_Edit"), "");
}

TEST_F(HeightStickClinometer, WrongFaceAndCalculationErrorShowWhileQuiet) {
    given_mode(true);
    given_span_and_sag("200", "4");
    given_stick("80", "200", "1.5", "", "14");  // the missing near distance stays silent
    given_quiet();
    calculate();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back(),
              "Error : The Vertical Angle Far is in the wrong face.  Please use the other face of the theodolite.");

    start_case();
    type("HSM_Far_Vert_Angle_Edit", "80");
    given_quiet();
    calculate();
    EXPECT_TRUE(shown().empty());
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
}

struct ClinoCase {
    const char* name;
    int page;
    bool imperial;
    const char* span;
    const char* g1;
    const char* g2;
    const char* l1;
    int confirmations;
    const char* expected;
};

TEST_F(HeightStickClinometer, ClinometerSagsInBothSagModes) {
    const ClinoCase cases[] = {
        {"clino 1, 4 and 4 over 100", Clino_1_Page, false, "300", "4", "4", "100", 0, "2.00"},
        // (3.5 + 1.25) * 250 / 400 = 2.96875.
        {"clino 1, unequal gradients", Clino_1_Page, false, "300", "3.5", "1.25", "250", 0, "2.97"},
        // Behind the near structure, confirmed: (6 - 2) * 100 / 400 = 1.
        {"clino 1, negative far gradient", Clino_1_Page, false, "300", "6", "-2", "100", 1, "1.00"},
        // 8 * 328.08 / 400 = 6.5616 ft.
        {"clino 1 in feet", Clino_1_Page, true, "984.25", "4", "4", "328.08", 0, "6.56"},
        {"clino 2, 4 and 4 over 200", Clino_2_Page, false, "200", "4", "4", "", 0, "2.00"},
        // (1.5 + 2.5) * 300 / 800 = 1.5.
        {"clino 2, unequal gradients", Clino_2_Page, false, "300", "1.5", "2.5", "", 0, "1.50"},
        // 8 * 656.17 / 800 = 6.5617 ft.
        {"clino 2 in feet", Clino_2_Page, true, "656.17", "4", "4", "", 0, "6.56"},
    };
    for (const ClinoCase& c : cases) {
        for (bool checking : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (checking ? ", checking" : ", sagging"));
            start_case();
            setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
            given_mode(checking);
            given_span_and_sag(c.span, "9");
            given_clino(c.page, c.g1, c.g2, c.l1);
            given_marked_outputs();
            for (int i = 0; i < c.confirmations; ++i) port.queue_answer(Answer::Yes);
            calculate();
            EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
            EXPECT_EQ(shown().size(), static_cast<size_t>(c.confirmations));
            EXPECT_EQ(text(c.page == Clino_1_Page ? "Clino_1_Tan_Actual_Sag_Edit" : "Clino_2_Tan_Actual_Sag_Edit"),
                      c.expected);
            // Sagging, the run writes no actual sag.
            EXPECT_EQ(text("Actual_Sag_Edit"), checking ? c.expected : "7.77");
        }
    }
}

TEST_F(HeightStickClinometer, NegativeGradientAsksTheRangeQuestion) {
    given_mode(true);
    given_span_and_sag("300", "9");
    given_clino(Clino_1_Page, "6", "-2", "100");
    given_marked_outputs();
    port.queue_answer(Answer::No);
    calculate();
    EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back(),
              "Warning : Use a value outside of the expected range ?\n\r\n\rThe Gradient should be a number between "
              "0.00 and 100.00.   \n\r\n\rAre you sure you want to use a number outside of this range ?");
    expect_nothing_written();
}

TEST_F(HeightStickClinometer, ClinometerFaultsEndTheRunWithTheCalculationError) {
    const ClinoCase cases[] = {
        // (2 - 5) * 100 / 400 = -0.75: no cable hangs above its chord.
        {"clino 1, negative sum", Clino_1_Page, false, "300", "2", "-5", "100", 1, ""},
        {"clino 2, negative sum", Clino_2_Page, false, "300", "-5", "2", "", 1, ""},
        // 1e308 + 1e308 overflows.
        {"clino 2, overflow", Clino_2_Page, false, "300", "1e308", "1e308", "", 2, ""},
    };
    for (const ClinoCase& c : cases) {
        for (bool checking : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (checking ? ", checking" : ", sagging"));
            start_case();
            given_mode(checking);
            given_span_and_sag(c.span, "9");
            given_clino(c.page, c.g1, c.g2, c.l1);
            given_marked_outputs();
            for (int i = 0; i < c.confirmations; ++i) port.queue_answer(Answer::Yes);
            calculate();
            EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
            ASSERT_EQ(shown().size(), static_cast<size_t>(c.confirmations) + 1);
            EXPECT_EQ(shown().back(), Calculation_Error_Message);
            expect_nothing_written();
        }
    }
}

}  // namespace
}  // namespace vortan
