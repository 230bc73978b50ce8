// The DDD.MMSS angle reader and the circle conversions on arbitrary entries.
//
// Input: byte 0 chooses the vertical circle (bits 0-1), horizontal or vertical
// (bit 2), quiet (bit 3) and the separators (bit 4); the rest is the entry.
// An accepted angle must be finite and within the circle; every angle the
// program writes in DDD.MMSS must be accepted when typed back.
#include "calc/angle_entry.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>

using namespace vortan;

namespace {

const char* const Field = "Tan_1S_Vert_Angle_Far_Edit";
const char* const Circle_Buttons[] = {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"};

[[noreturn]] void fail(const char* what, const std::string& text, double value) {
    std::fprintf(stderr, "%s: entry \"%s\" value %.17g\n", what, text.c_str(), value);
    std::abort();
}

struct Harness {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
    Harness() {
        port.set_default_answer(Answer::Yes);  // steep angles are confirmed
        window.start();
    }
};

// One window serves many inputs (building it is the slow part); a new one now
// and then keeps the recorded messages from piling up.
Harness& harness() {
    static std::unique_ptr<Harness> h;
    static int uses = 0;
    if (!h || ++uses % 2000 == 0) h = std::make_unique<Harness>();
    return *h;
}

void choose_circle(Form& setup, int circle) {
    for (const char* b : Circle_Buttons) setup.set_checked(b, false);
    if (circle < 3) setup.set_checked(Circle_Buttons[circle], true);  // 3: none set
}

// An angle written as the program writes it must read back as the same angle.
void check_written_angle(CalcContext& c, double degrees) {
    double dddmmss = Degrees_To_DDDMMSS(degrees);
    if (!std::isfinite(dddmmss)) fail("DDD.MMSS not finite", "", degrees);
    std::string written = format_number(dddmmss, pattern::Angle, c.numbers);
    c.form.set_text(Field, written);
    choose_circle(const_cast<Form&>(c.setup), 3);
    double back = Read_Angle_Field(c, Field, "Fuzz", -1, AngleKind::Horizontal);
    if (back == Abort_Value) fail("written angle not accepted", written, degrees);
    if (std::fabs(Radians_To_Degrees(back) - degrees) > 1.0 / 3600 + 1e-9)
        fail("written angle reads back far off", written, degrees);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 1024) return 0;
    Harness& h = harness();
    Form& form = h.window.form();
    Form& setup = h.setup.form();
    const uint8_t mode = data[0];
    const int circle = mode & 3;
    const AngleKind kind = (mode & 4) ? AngleKind::Vertical : AngleKind::Horizontal;
    h.window.set_numbers((mode & 16) ? NumberFormat{".", ","} : NumberFormat{",", "."});
    form.set_checked("Calcualte_Without_Messages_CheckBox", (mode & 8) != 0);
    choose_circle(setup, circle);
    const std::string entry(reinterpret_cast<const char*>(data + 1), size - 1);
    form.set_text(Field, entry);

    CalcContext c = h.window.context();
    const double radians = Read_Angle_Field(c, Field, "Fuzz Angle", 1, kind);
    h.port.clear_transcript();
    if (radians != Abort_Value) {
        if (!std::isfinite(radians)) fail("angle not finite", entry, radians);
        const double degrees = Radians_To_Degrees(radians);
        if (kind == AngleKind::Vertical && std::fabs(degrees) > 90 + 1e-9) fail("inclination beyond 90", entry, degrees);
        if (kind == AngleKind::Horizontal && std::fabs(degrees) > 360 + 1e-9) fail("direction beyond 360", entry, degrees);
        if (kind == AngleKind::Vertical) {
            // The reading a sag run writes for this inclination is accepted in the same circle.
            VerticalCircle vc = vertical_circle(setup);
            double reading = Inclination_To_Reading(vc, degrees);
            if (!std::isfinite(reading)) fail("reading not finite", entry, degrees);
            double again = Reading_To_Inclination(vc, reading);
            if (vc != VerticalCircle::None && std::fabs(again - degrees) > 1e-9)
                fail("reading and inclination disagree", entry, degrees);
        }
    }

    // The conversions on the raw bytes as a number of degrees.
    if (size >= 1 + sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        for (VerticalCircle vc : {VerticalCircle::Zenith, VerticalCircle::Altitude, VerticalCircle::Nadir}) {
            double r = Reading_To_Inclination(vc, raw);
            if (std::isfinite(raw) && !std::isfinite(r)) fail("finite reading, inclination not finite", "", raw);
            if (std::isfinite(r) && std::fabs(r) > 90) fail("inclination beyond 90", "", raw);
        }
        double reduced = Reduce_Angle(raw, 360);
        if (std::isfinite(raw) && !(std::fabs(reduced) <= 360)) fail("reduced angle out of range", "", raw);
        if (std::isfinite(raw)) {
            double between = Horizontal_Angle_Between(Degrees_To_Radians(reduced), 0);
            if (!(between >= 0 && between <= std::numbers::pi + 1e-12)) fail("angle between beyond pi", "", raw);
        }
        if (std::isfinite(raw) && std::fabs(raw) <= 360) check_written_angle(c, raw);
        h.port.clear_transcript();
    }
    return 0;
}
