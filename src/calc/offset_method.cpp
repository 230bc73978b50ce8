#include "calc/offset_method.h"

#include "calc/angle_entry.h"
#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/unit_conversion.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vortan {

namespace {

// Typed angles resolve one second (a sine of 4.8e-6); a sine below this is
// zero that rounding kept off it (the sine of pi is 1.2e-16).
constexpr double Zero_Sine = 1e-9;

bool zero_sine(double angle) { return std::fabs(std::sin(angle)) < Zero_Sine; }

struct Readings {
    double adjacent, near, middle, far;            // horizontal bearings
    double near_level, middle_level, far_level;    // inclinations; middle only when checking
    double adjacent_span;                           // b
};

struct Plan {
    double alpha1, alpha2, alpha3;  // at the theodolite: A-N, N-M, M-F
    double ratio;                   // OA / OF
    double near_distance, middle_distance, far_distance;
    double beta, gamma, delta;      // at N, at F, OMF
    double near_to_middle, middle_to_far;
    double percent;
};

struct Levels {
    double near, middle, far;  // heights over the theodolite
    double constant;           // the parabola's L^2 / 8 sag
    double theta = 0;          // required inclination (sagging)
    double sag = 0;            // actual sag (checking)
};

double read_angle(CalcContext& context, const char* field, const char* caption, AngleKind kind) {
    return Read_Angle_Field(context, field, caption, Cable_Sag_Page, kind);
}

std::optional<Readings> read_fields(CalcContext& context, const RunValues& run) {
    const AngleKind horizontal = AngleKind::Horizontal, vertical = AngleKind::Vertical;
    Readings in{};
    for (auto [value, field, caption, kind] :
         {std::tuple{&in.adjacent, "Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", "Horizontal Angle (Adjacent)", horizontal},
          std::tuple{&in.near, "Off_2S_Horiz_Bearing_Angle_Near_Edit", "Horizontal Angle (Near)", horizontal},
          std::tuple{&in.middle, "Off_2S_Horiz_Bearing_Angle_Mid_Edit", "Horizontal Angle (Middle)", horizontal},
          std::tuple{&in.far, "Off_2S_Horiz_Bearing_Angle_Far_Edit", "Horizontal Angle (Far)", horizontal},
          std::tuple{&in.near_level, "Off_2S_Vert_Angle_Near_Edit", "Vertical Angle (Near)", vertical},
          std::tuple{&in.middle_level, "Off_2S_Vert_Angle_Mid_Act_Edit", "Actual Vertical Angle (Middle)", vertical},
          std::tuple{&in.far_level, "Off_2S_Vert_Angle_Far_Edit", "Vertical Angle (Far)", vertical}}) {
        if (value == &in.middle_level && run.sagging) continue;
        *value = read_angle(context, field, caption, kind);
        if (*value == Abort_Value) return std::nullopt;
    }
    in.adjacent_span = Read_Number_Field(context, "Off_2S_Adjacent_Span_Edit", "Adjacent Span Length", Cable_Sag_Page,
                                         Convert_Limit(context, Quantity::Length, 10),
                                         Convert_Limit(context, Quantity::Length, 2000));
    if (in.adjacent_span == Abort_Value) return std::nullopt;
    if (Read_Required_Text(context, "Off_2S_Adjacent_Structure_Edit", "Adjacent Structure", Cable_Sag_Page).empty())
        return std::nullopt;
    return in;
}

// Bearings are read to the second: a bearing between two others leaves their
// angles adding up to within a second.
constexpr double One_Second = std::numbers::pi / (180.0 * 3600.0);

// True when bearing `middle` lies inside the angle from `first` to `last`.
bool between(double first, double middle, double last) {
    return Horizontal_Angle_Between(first, middle) + Horizontal_Angle_Between(middle, last) <=
           Horizontal_Angle_Between(first, last) + One_Second;
}

// The adjacent, near, middle and far points lie on the line in that order, so
// seen from the theodolite each bearing lies between its neighbours. Anything
// else is a sighting of some other point, and no sag follows from it.
bool refuse_bearings_out_of_order(CalcContext& context, const Readings& in) {
    const char* field = nullptr;
    std::string text;
    if (!between(in.near, in.middle, in.far)) {
        field = "Off_2S_Horiz_Bearing_Angle_Mid_Edit";
        text = "Error : The Horizontal Angle (Middle) must lie between the Horizontal Angle (Near) and the Horizontal "
               "Angle (Far).  The point sighted would be outside the span.\n\r\n\rSight the cable at a point between "
               "the near and the far structure, and enter its bearing as the Horizontal Angle (Middle).";
    } else if (!between(in.adjacent, in.near, in.far)) {
        field = "Off_2S_Horiz_Bearing_Angle_Adjacent_Edit";
        text = "Error : The Horizontal Angle (Near) must lie between the Horizontal Angle (Adjacent) and the "
               "Horizontal Angle (Far).  The adjacent structure stands one span back from the near structure."
               "\n\r\n\rCheck the bearings to the adjacent, the near and the far structure.";
    } else {
        return false;
    }
    show_error_at(context, field, Cable_Sag_Page, text);
    return true;
}

// The angle at N follows from its sine only up to a right angle; it is obtuse
// when the theodolite's foot on the line falls on the adjacent span's side of
// N, which the triangle OAF tells: OA = r d, OF = d, AF = b + L.
double angle_at_near(const Plan& p, double b, double span) {
    double beta = std::asin(std::sin(p.alpha2 + p.alpha3) * p.far_distance / span);
    double total = p.alpha1 + p.alpha2 + p.alpha3;
    double foot = p.far_distance * p.far_distance * p.ratio * (p.ratio - std::cos(total)) / (b + span);
    return foot < b ? std::numbers::pi - beta : beta;
}

// Steps 1 to 10; nothing when the bearings make no triangle.
std::optional<Plan> plan_geometry(const Readings& in, double span) {
    const double b = in.adjacent_span;
    Plan p{};
    p.alpha1 = Horizontal_Angle_Between(in.adjacent, in.near);
    p.alpha2 = Horizontal_Angle_Between(in.near, in.middle);
    p.alpha3 = Horizontal_Angle_Between(in.middle, in.far);
    if (zero_sine(p.alpha1)) return std::nullopt;
    p.ratio = b * std::sin(p.alpha2 + p.alpha3) / (span * std::sin(p.alpha1));
    double w = 1 + p.ratio * p.ratio - 2 * p.ratio * std::cos(p.alpha1 + p.alpha2 + p.alpha3);
    if (!(w > 0)) return std::nullopt;
    p.far_distance = (b + span) / std::sqrt(w);
    p.beta = angle_at_near(p, b, span);
    p.gamma = std::numbers::pi - p.beta - p.alpha2 - p.alpha3;
    p.delta = p.beta + p.alpha2;
    // A triangle NOF that does not close (gamma not above 0) puts M off the span.
    if (!(p.gamma > 0) || zero_sine(p.beta) || zero_sine(p.delta)) return std::nullopt;
    p.near_distance = p.far_distance * std::sin(p.gamma) / std::sin(p.beta);
    p.middle_distance = p.far_distance * std::sin(p.gamma) / std::sin(p.delta);
    p.middle_to_far = p.far_distance * std::sin(p.alpha3) / std::sin(p.delta);
    p.near_to_middle = span - p.middle_to_far;
    p.percent = p.near_to_middle / span * 100;
    if (!all_finite({p.far_distance, p.beta, p.near_distance, p.middle_distance, p.middle_to_far, p.percent}))
        return std::nullopt;
    return p;
}

// Sagging: the inclination at which the middle point of the required parabola is seen.
std::optional<Levels> required_levels(const Readings& in, const Plan& p, double span, double sag) {
    Levels z{std::tan(in.near_level) * p.near_distance, 0, std::tan(in.far_level) * p.far_distance,
             span * span / (8 * sag)};
    double chord = (p.near_to_middle * z.far + p.middle_to_far * z.near) / span;
    if (z.constant == 0) return std::nullopt;
    z.middle = chord - p.middle_to_far * p.near_to_middle / (2 * z.constant);
    if (p.middle_distance == 0) return std::nullopt;
    z.theta = std::atan(z.middle / p.middle_distance);
    if (!all_finite({z.near, z.far, z.constant, z.middle, z.theta})) return std::nullopt;
    return z;
}

// Checking: the parabola through both supports and the observed middle point.
std::optional<Levels> actual_levels(const Readings& in, const Plan& p, double span) {
    Levels z{std::tan(in.near_level) * p.near_distance, std::tan(in.middle_level) * p.middle_distance,
             std::tan(in.far_level) * p.far_distance, 0};
    const double l1 = p.near_to_middle, x = p.middle_to_far;
    if (l1 < 0) return std::nullopt;
    double k = (l1 * l1 + x * l1) / 2;
    if ((z.far - z.middle) * x == 0) return std::nullopt;
    double e = (z.near - z.middle) + (l1 / x) * (z.far - z.middle);
    if (e == 0) return std::nullopt;
    z.constant = k / e;
    if (z.constant == 0) return std::nullopt;
    z.sag = span * span / (8 * z.constant);
    if (!all_finite({z.near, z.middle, z.far, z.constant, z.sag}) || z.sag < 0) return std::nullopt;
    return z;
}

std::string line(const std::string& name, const std::string& value) {
    return name + std::string(name.size() < 35 ? 35 - name.size() : 0, ' ') + "= " + value;
}

std::vector<std::string> listing(const CalcContext& context, const RunValues& run, const Readings& in,
                                 const Plan& p, const Levels& z) {
    auto number = [&](double v) { return format_number(v, pattern::Measure, context.numbers); };
    auto angle = [&](double radians) {
        return format_number(radians, pattern::Angle, context.numbers) + " Radians (" +
               format_number(Radians_To_Degrees(radians), pattern::Angle, context.numbers) + " Degrees)";
    };
    return {line("SAG Calculation Method", "Offset 2 Span"),
            line("Theodolite in Use", vertical_circle_name(context.setup)),
            line("SAG New or Existing Cable", context.form.selected_text("Sag_New_or_Existing_RadioGroup")),
            "",
            line("Span_Length", number(run.span_length)),
            line("Off_2S_Adjacent_Span", number(in.adjacent_span)),
            "",
            line("Off_2S_Horiz_Angle_Adjacent", angle(in.adjacent)),
            line("Off_2S_Horiz_Angle_Near", angle(in.near)),
            line("Off_2S_Horiz_Angle_Mid", angle(in.middle)),
            line("Off_2S_Horiz_Angle_Far", angle(in.far)),
            "",
            line("Off_2S_Vert_Angle_Near", angle(in.near_level)),
            line("Off_2S_Vert_Angle_Mid_Act", angle(in.middle_level)),
            line("Off_2S_Vert_Angle_Mid_Req", angle(z.theta)),
            line("Off_2S_Vert_Angle_Far", angle(in.far_level)),
            "",
            line("Off_2S_Horiz_Angle_Left", angle(p.alpha1)),
            line("Off_2S_Horiz_Angle_Middle", angle(p.alpha2)),
            line("Off_2S_Horiz_Angle_Right", angle(p.alpha3)),
            "",
            line("Off_2S_X", number(p.ratio)),
            line("Off_2S_Horiz_Distance_Left", number(p.near_distance)),
            line("Off_2S_Horiz_Distance_Mid", number(p.middle_distance)),
            line("Off_2S_Horiz_Distance_Right", number(p.far_distance)),
            "",
            line("Off_2S_Horiz_Angle_F1", angle(p.beta)),
            line("Off_2S_Horiz_Angle_F2", angle(p.gamma)),
            line("Off_2S_Horiz_Angle_G", angle(p.delta)),
            "",
            line("Off_2S_Horiz_Distance_Left_to_Mid", number(p.near_to_middle)),
            line("Off_2S_Horiz_Distance_Mid_to_Right", number(p.middle_to_far)),
            line("Off_2S_Level_Left", number(z.near)),
            line("Off_2S_Level_Mid", number(z.middle)),
            line("Off_2S_Level_Right", number(z.far)),
            line("Off_2S_Catenary_Constant", number(z.constant)),
            line("Off_2S_Actual_Tension", number(0)),
            "",
            line("Off_2S_Percent", number(p.percent)),
            "",
            line("Actual_Sag", number(z.sag)),
            ""};
}

// The elevation seen from the side: the theodolite stands off the line, so it
// is drawn at its foot on the line (the angle at N gives it), at its height,
// sighting both supports and the middle point.
void offset_sketch(RunValues& run, const Plan& p, const Levels& z) {
    const SpanPoint station{p.near_distance * std::cos(p.beta), -z.near};
    run.sketch.rise_known = true;
    run.sketch.rise = z.far - z.near;
    run.sketch.stations = {station};
    run.sketch.sights = {{station, {0, 0}},
                         {station, {p.near_to_middle, z.middle - z.near}},
                         {station, {run.span_length, z.far - z.near}}};
}

void write_outputs(CalcContext& context, RunValues& run, const Plan& p, const Levels& z) {
    double reading = 0;
    if (run.sagging) {
        reading = Degrees_To_DDDMMSS(
            Inclination_To_Reading(vertical_circle(context.setup), Radians_To_Degrees(z.theta)));
        context.form.set_text("Off_2S_Reqd_Sag_Edit", context.form.text("Compensated_Sag_Edit"));
    } else {
        context.write("Off_2S_Actual_Sag_Edit", z.sag, pattern::Angle);
        run.actual_sag = z.sag;
    }
    context.write("Off_2S_Percent_Edit", p.percent, pattern::Time);
    context.write("Off_2S_Actual_Tension_Edit", 0, pattern::Measure);
    context.write("Off_2S_Vert_Angle_Mid_Req_Edit", reading, pattern::Angle);
    offset_sketch(run, p, z);
}

}  // namespace

bool Offset_2_Span_Method(CalcContext& context, RunValues& run) {
    auto in = read_fields(context, run);
    if (!in) return false;
    if (refuse_bearings_out_of_order(context, *in)) return false;
    auto plan = plan_geometry(*in, run.span_length);
    if (!plan) return calculation_fault(context);
    auto levels = run.sagging ? required_levels(*in, *plan, run.span_length, run.required_sag)
                              : actual_levels(*in, *plan, run.span_length);
    if (!levels) return calculation_fault(context);
    write_outputs(context, run, *plan, *levels);
    // Every run lists its working, unless the user wants it only from Calc
    // and this run shows a stored cable sag on the way through the line.
    const bool only_after_calc = context.setup.checked("Offset_Listing_Only_After_Calc_CheckBox");
    if (!only_after_calc || !context.form.checked("Showing_Stored_Cable_Sag_CheckBox"))
        context.port.show_report(listing(context, run, *in, *plan, *levels));
    return true;
}

}  // namespace vortan
