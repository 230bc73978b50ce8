#include "calc/angle_entry.h"

#include "calc/field_readers.h"

#include <cmath>
#include <optional>
#include <numbers>

namespace vortan {

namespace {

constexpr double Steep_Inclination = 40;  // degrees, above or below the horizontal

double face_offset(VerticalCircle circle) {
    switch (circle) {
    case VerticalCircle::Zenith: return 90;
    case VerticalCircle::Nadir: return 270;
    default: return 0;
    }
}

bool wrong_face(VerticalCircle circle, double angle) {
    switch (circle) {
    case VerticalCircle::Altitude: return 90 < angle && angle < 270;
    case VerticalCircle::Zenith:
    case VerticalCircle::Nadir: return angle > 180;
    case VerticalCircle::None: break;
    }
    return false;
}

}  // namespace

// Steps 1 to 4 of reading an angle.
std::optional<double> DDDMMSS_Text_To_Degrees(const std::string& text, const NumberFormat& numbers) {
    if (text.empty()) return std::nullopt;
    double entry = Text_To_Number(text, numbers);
    if (entry == Abort_Value || std::fabs(entry) >= 361) return std::nullopt;
    long long units = std::llround(std::fabs(entry) * 10000);  // DDD MM SS as one integer
    long long whole = units / 10000, minutes = units / 100 % 100, seconds = units % 100;
    if (whole > 360 || minutes >= 60 || seconds >= 60) return std::nullopt;
    double degrees = static_cast<double>(whole) + static_cast<double>(minutes) / 60 + static_cast<double>(seconds) / 3600;
    return entry < 0 ? -degrees : degrees;
}

VerticalCircle vertical_circle(const Form& setup) {
    if (setup.checked("Altitude_RadioButton")) return VerticalCircle::Altitude;
    if (setup.checked("Zenith_RadioButton")) return VerticalCircle::Zenith;
    if (setup.checked("Nadir_RadioButton")) return VerticalCircle::Nadir;
    return VerticalCircle::None;
}

std::string vertical_circle_name(const Form& setup) {
    switch (vertical_circle(setup)) {
    case VerticalCircle::Altitude: return "Altitude";
    case VerticalCircle::Zenith: return "Zenith";
    case VerticalCircle::Nadir: return "Nadir";
    case VerticalCircle::None: break;
    }
    return "Unknown";
}

double Read_Angle_Field(CalcContext& context, const std::string& field, const std::string& caption, int page,
                        AngleKind kind) {
    auto angle = DDDMMSS_Text_To_Degrees(context.form.text(field), context.numbers);
    if (!angle) {
        if (!context.quiet()) {
            if (page >= 0) context.form.set_active_page("Transmission_Line_PageControl", page);
            context.form.set_focus(field);
            show_error(context, "Error : The " + caption +
                                    " angle must be entered in DDD.MMSS format, which consists of Degrees followed by "
                                    "up to 4 decimal digits representing the Minutes and Seconds where Degrees <= 360, "
                                    "MM < 60 and SS < 60.");
        }
        return Abort_Value;
    }
    VerticalCircle circle = vertical_circle(context.setup);
    if (wrong_face(circle, *angle)) {
        show_error(context, "Error : The " + caption + " is in the wrong face.  Please use the other face of the theodolite.");
        return Abort_Value;
    }
    if (kind == AngleKind::Horizontal) return Degrees_To_Radians(*angle);
    double inclination = Reading_To_Inclination(circle, *angle);
    if (std::fabs(inclination) >= Steep_Inclination && !context.quiet()) {
        Answer answer = context.port.warn(Buttons::YesNo,
            "Warning: Inclination or declination is over 40 Degrees !  \n\r\n\rAre you sure this is correct ?");
        if (answer != Answer::Yes) return Abort_Value;
    }
    return Degrees_To_Radians(inclination);
}

double Reading_To_Inclination(VerticalCircle circle, double reading) {
    double v = Reduce_Angle(reading + face_offset(circle), 360);
    // A negative reading (-10 for 350) stands for the same direction on the circle.
    if (v < 0) v += 360;
    if (90 < v && v <= 270) return 180 - v;
    if (270 < v && v <= 360) return v - 360;
    return v;
}

double Inclination_To_Reading(VerticalCircle circle, double inclination) {
    double theta = Reduce_Angle(inclination, 360);
    switch (circle) {
    case VerticalCircle::Zenith: return 90 - theta;
    case VerticalCircle::Nadir: return 90 + theta;
    default: return theta >= 0 ? theta : 360 + theta;
    }
}

double Degrees_To_DDDMMSS(double degrees) {
    double sign = degrees < 0 ? -1 : 1;
    double whole = std::trunc(degrees);
    double minutes_exact = (degrees - whole) * 60;
    double minutes = std::trunc(minutes_exact);
    double seconds = std::round((minutes_exact - minutes) * 60);
    if (std::fabs(seconds) >= 60) {
        seconds = 0;
        minutes += sign;
    }
    if (std::fabs(minutes) >= 60) {
        minutes = 0;
        whole += sign;
    }
    return whole + minutes / 100 + seconds / 10000;
}

double Degrees_To_Radians(double degrees) { return degrees * std::numbers::pi / 180; }

double Radians_To_Degrees(double radians) { return radians * 180 / std::numbers::pi; }

double Horizontal_Angle_Between(double a, double b) {
    double d = std::fabs(Radians_To_Degrees(a) - Radians_To_Degrees(b));
    if (d > 180) d = 360 - d;
    return Degrees_To_Radians(d);
}

double Reduce_Angle(double x, double m) {
    if (!std::isfinite(x) || !std::isfinite(m)) return std::nan("");
    if (x == 0 || m == 0) return 0;
    double r = std::fmod(x, std::fabs(m));
    // The repeated subtraction this stands for stops at +-m, never at 0.
    if (r == 0) r = std::copysign(std::fabs(m), x);
    return r;
}

}  // namespace vortan
