#include "calc/angle_entry.h"

#include "support/main_window_fixture.h"

#include <cmath>

namespace vortan {
namespace {

const std::string Steep = "Warning: Inclination or declination is over 40 Degrees !  \n\r\n\rAre you sure this is correct ?";

std::string format_error(const std::string& caption) {
    return "Error : The " + caption +
           " angle must be entered in DDD.MMSS format, which consists of Degrees followed by up to 4 decimal digits "
           "representing the Minutes and Seconds where Degrees <= 360, MM < 60 and SS < 60.";
}

std::string wrong_face(const std::string& caption) {
    return "Error : The " + caption + " is in the wrong face.  Please use the other face of the theodolite.";
}

class ReadAngleField : public testing::MainWindowTest {
protected:
    void given_circle(const char* button) {
        for (const char* b : {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"})
            setup.form().set_checked(b, false);
        if (button) setup.form().set_checked(button, true);
    }
    // The angle read, in degrees, or Abort_Value.
    double read(const std::string& text, AngleKind kind) {
        type("Tan_1S_Vert_Angle_Far_Edit", text);
        CalcContext c = context();
        double radians = Read_Angle_Field(c, "Tan_1S_Vert_Angle_Far_Edit", "Vertical Angle Far", 1, kind);
        return radians == Abort_Value ? Abort_Value : Radians_To_Degrees(radians);
    }
};

struct AngleCase {
    const char* name;
    const char* circle;
    const char* text;
    AngleKind kind;
    double degrees;         // Abort_Value: rejected
    std::string message;    // the box shown, if any
};

TEST_F(ReadAngleField, EntriesCirclesAndFaces) {
    const auto H = AngleKind::Horizontal, V = AngleKind::Vertical;
    const AngleCase cases[] = {
        {"DDD.MMSS", "Zenith_RadioButton", "12.3045", H, 12.5125, ""},
        {"59 minutes 59 seconds", "Zenith_RadioButton", "12.5959", H, 12 + 59 / 60.0 + 59 / 3600.0, ""},
        {"missing digits count as zero", "Zenith_RadioButton", "12.3", H, 12.5, ""},
        {"negative", "Zenith_RadioButton", "-5.3", H, -5.5, ""},
        {"sixty minutes", "Zenith_RadioButton", "12.6000", H, Abort_Value, format_error("Vertical Angle Far")},
        {"sixty seconds", "Zenith_RadioButton", "12.0060", H, Abort_Value, format_error("Vertical Angle Far")},
        {"361 degrees", "Zenith_RadioButton", "361", H, Abort_Value, format_error("Vertical Angle Far")},
        {"huge", "Zenith_RadioButton", "1e300", H, Abort_Value, format_error("Vertical Angle Far")},
        {"empty", "Zenith_RadioButton", "", H, Abort_Value, format_error("Vertical Angle Far")},
        {"letters", "Zenith_RadioButton", "abc", H, Abort_Value, format_error("Vertical Angle Far")},
        {"360 passes the format, not the face", "Zenith_RadioButton", "360", H, Abort_Value,
         wrong_face("Vertical Angle Far")},
        {"zenith level", "Zenith_RadioButton", "90", V, 0, ""},
        {"zenith elevation", "Zenith_RadioButton", "80", V, 10, ""},
        {"zenith depression", "Zenith_RadioButton", "100", V, -10, ""},
        {"zenith wrong face", "Zenith_RadioButton", "200", V, Abort_Value, wrong_face("Vertical Angle Far")},
        {"horizontal angles are face-checked", "Zenith_RadioButton", "280", H, Abort_Value,
         wrong_face("Vertical Angle Far")},
        {"altitude wrong face", "Altitude_RadioButton", "120", V, Abort_Value, wrong_face("Vertical Angle Far")},
        {"altitude depression", "Altitude_RadioButton", "350", V, -10, ""},
        {"altitude elevation", "Altitude_RadioButton", "10", V, 10, ""},
        {"nadir level", "Nadir_RadioButton", "90", V, 0, ""},
        {"nadir elevation", "Nadir_RadioButton", "100", V, 10, ""},
        {"nadir depression", "Nadir_RadioButton", "80", V, -10, ""},
        {"no circle: no face check", nullptr, "200", H, 200, ""},
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.name);
        given_circle(c.circle);
        auto before = messages().size();
        double degrees = read(c.text, c.kind);
        if (c.degrees == Abort_Value) {
            EXPECT_EQ(degrees, Abort_Value);
        } else {
            EXPECT_NEAR(degrees, c.degrees, 1e-9);
        }
        auto shown = messages_since(before);
        EXPECT_EQ(shown, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
    EXPECT_EQ(text("Tan_1S_Vert_Angle_Far_Edit"), "200");  // the reader never changes the field
}

TEST_F(ReadAngleField, SteepInclinationsAsk) {
    struct Case {
        const char* text;
        bool asks;
    };
    // Zenith: inclination = 90 - reading.
    for (const Case& c : {Case{"45", true}, Case{"135", true}, Case{"50", true}, Case{"130", true},
                          Case{"50.0036", false}, Case{"12.3045", true}}) {
        SCOPED_TRACE(c.text);
        auto before = messages().size();
        if (c.asks) port.queue_answer(Answer::Yes);
        EXPECT_NE(read(c.text, AngleKind::Vertical), Abort_Value);
        EXPECT_EQ(messages_since(before), c.asks ? std::vector<std::string>{Steep} : std::vector<std::string>{});
    }
    port.queue_answer(Answer::No);
    EXPECT_EQ(read("45", AngleKind::Vertical), Abort_Value);
}

TEST_F(ReadAngleField, QuietReadsKeepSteepAnglesButStillShowTheWrongFace) {
    type("Tan_1S_Vert_Angle_Far_Edit", "45");
    given_quiet();
    CalcContext c = context();
    EXPECT_NEAR(Radians_To_Degrees(Read_Angle_Field(c, "Tan_1S_Vert_Angle_Far_Edit", "X", 1, AngleKind::Vertical)),
                45, 1e-9);
    form().set_text("Tan_1S_Vert_Angle_Far_Edit", "abc");
    given_quiet();
    EXPECT_EQ(Read_Angle_Field(c, "Tan_1S_Vert_Angle_Far_Edit", "X", 1, AngleKind::Vertical), Abort_Value);
    EXPECT_TRUE(messages().empty());
    form().set_text("Tan_1S_Vert_Angle_Far_Edit", "200");
    given_quiet();
    EXPECT_EQ(Read_Angle_Field(c, "Tan_1S_Vert_Angle_Far_Edit", "X", 1, AngleKind::Vertical), Abort_Value);
    EXPECT_EQ(messages(), std::vector<std::string>{wrong_face("X")});
}

TEST(AngleHelpers, ReadingsAndInclinationsAreInverseInTheAcceptedFace) {
    for (VerticalCircle circle : {VerticalCircle::Zenith, VerticalCircle::Altitude, VerticalCircle::Nadir,
                                  VerticalCircle::None}) {
        for (double inclination : {-39.5, -10.0, 0.0, 10.0, 39.5}) {
            double reading = Inclination_To_Reading(circle, inclination);
            EXPECT_NEAR(Reading_To_Inclination(circle, reading), inclination, 1e-12)
                << static_cast<int>(circle) << " " << inclination;
        }
    }
    EXPECT_DOUBLE_EQ(Inclination_To_Reading(VerticalCircle::Zenith, 10), 80);
    EXPECT_DOUBLE_EQ(Inclination_To_Reading(VerticalCircle::Zenith, -10), 100);
    EXPECT_DOUBLE_EQ(Inclination_To_Reading(VerticalCircle::Nadir, 0), 90);
    EXPECT_DOUBLE_EQ(Inclination_To_Reading(VerticalCircle::Altitude, -10), 350);
}

TEST(AngleHelpers, NegativeReadingsStandForTheSameDirection) {
    for (VerticalCircle circle : {VerticalCircle::Zenith, VerticalCircle::Altitude, VerticalCircle::Nadir,
                                  VerticalCircle::None}) {
        for (double reading : {10.0, 60.0, 100.0, 200.0, 260.0, 300.0, 359.5}) {
            double inclination = Reading_To_Inclination(circle, reading - 360);
            EXPECT_NEAR(inclination, Reading_To_Inclination(circle, reading), 1e-9)
                << static_cast<int>(circle) << " " << reading;
            EXPECT_LE(std::fabs(inclination), 90) << static_cast<int>(circle) << " " << reading;
        }
    }
    EXPECT_DOUBLE_EQ(Reading_To_Inclination(VerticalCircle::Altitude, -10), -10);
    EXPECT_DOUBLE_EQ(Reading_To_Inclination(VerticalCircle::Zenith, -300), 30);
}

TEST(AngleHelpers, DegreesToDDDMMSSNeverShowsSixty) {
    struct Case {
        double degrees, dddmmss;
    };
    for (Case c : {Case{12.5125, 12.3045}, Case{-2.5, -2.3}, Case{12.1, 12.06}, Case{2.99999, 3.0}, Case{0, 0},
                   Case{-0.99999, -1.0}}) {
        EXPECT_NEAR(Degrees_To_DDDMMSS(c.degrees), c.dddmmss, 1e-9) << c.degrees;
    }
}

TEST(AngleHelpers, ReduceAngleAndHorizontalAngles) {
    EXPECT_EQ(Reduce_Angle(370, 360), 10);
    EXPECT_EQ(Reduce_Angle(360, 360), 360);
    EXPECT_EQ(Reduce_Angle(720, 360), 360);
    EXPECT_EQ(Reduce_Angle(-370, 360), -10);
    EXPECT_EQ(Reduce_Angle(5, 0), 0);
    EXPECT_TRUE(std::isnan(Reduce_Angle(INFINITY, 360)));
    EXPECT_NEAR(Radians_To_Degrees(Horizontal_Angle_Between(Degrees_To_Radians(350), Degrees_To_Radians(10))), 20, 1e-9);
    EXPECT_NEAR(Radians_To_Degrees(Horizontal_Angle_Between(Degrees_To_Radians(10), Degrees_To_Radians(190))), 180, 1e-9);
}

TEST_F(ReadAngleField, TheodoliteTypeFollowsTheChosenCircle) {
    EXPECT_EQ(text("Theodolite_Type_Edit"), "Zenith");
    window.setup_opened();
    setup.form().user_check("Nadir_RadioButton", true);
    window.setup_closed();
    EXPECT_FALSE(setup.form().checked("Zenith_RadioButton"));
    EXPECT_EQ(text("Theodolite_Type_Edit"), "Nadir");
    setup.form().set_checked("Nadir_RadioButton", false);
    window.setup_closed();
    EXPECT_EQ(text("Theodolite_Type_Edit"), "Unknown");
}

}  // namespace
}  // namespace vortan
