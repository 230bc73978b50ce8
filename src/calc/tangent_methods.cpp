#include "calc/tangent_methods.h"

#include "calc/angle_entry.h"
#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/sight_line_touch.h"
#include "calc/unit_conversion.h"

#include <cmath>
#include <optional>
#include <string>

namespace vortan {

namespace {

// The output fields of a tangent page; both pages name them alike.
struct TangentPage {
    std::string prefix;  // "Tan_1S_" or "Tan_2S_"
    std::string field(const char* name) const { return prefix + name; }
};

const TangentPage Tangent_1_Page{"Tan_1S_"};
const TangentPage Tangent_2_Page{"Tan_2S_"};

// From the near structure a line touches beyond the far support only when the
// theodolite stands more than four sags below the near one.
const TouchAdvice Tangent_1_Advice{
    "Set up the theodolite nearer to the near support, or use another method.",
    "Set up the theodolite less than 4 times the sag below the near support, or use another method."};
// From the adjacent structure a lower theodolite touches the cable farther on.
const TouchAdvice Tangent_2_Advice{"Set up the theodolite lower at the adjacent structure, or use another method.",
                                   "Set up the theodolite higher at the adjacent structure, or use another method."};

struct Sighting {
    double sag;
    double percent;  // where the line touches, from the near support
    double touch;    // the same place as a distance
};

double read_vertical(CalcContext& context, const std::string& field, const std::string& caption) {
    return Read_Angle_Field(context, field, caption, Cable_Sag_Page, AngleKind::Vertical);
}

// The tangent angle is observed only when checking a sag.
std::optional<double> read_tangent_angle(CalcContext& context, const RunValues& run, const TangentPage& page) {
    if (run.sagging) return 0.0;
    double angle = read_vertical(context, page.field("Act_Vertical_Angle_Mid_Edit"), "Actual Vertical Angle (Middle)");
    if (angle == Abort_Value) return std::nullopt;
    return angle;
}

std::string percent_text(const CalcContext& context, double percent) {
    return format_number(percent, pattern::Percent, context.numbers) + " %";
}

// The sag that a sight line of slope t_m shows, a below the near attachment
// and h the rise of the far attachment over the near one. Nothing for data
// no cable can hang to, a negative sag included.
std::optional<Sighting> sag_from_tangent(double a, double h, double t_m, double span) {
    double b = (t_m * span - h) / 2 - a;
    double c = (t_m * span - h) * (t_m * span - h) / 16;
    double discriminant = b * b - 4 * c;
    if (!(discriminant >= 0)) return std::nullopt;
    double sag = (std::sqrt(discriminant) - b) / 2;
    if (!(sag > 0) || a / sag < 0) return std::nullopt;
    double percent = 50 * std::sqrt(a / sag);
    double touch = touch_point(span, sag, t_m - h / span);
    if (!all_finite({sag, percent, touch})) return std::nullopt;
    return Sighting{sag, percent, touch};
}

// The theodolite, its tangent line of slope t across the span and its sights
// to the supports (the near one only when it stands back in the adjacent span).
void tangent_sketch(RunValues& run, SpanPoint station, double slope, double rise) {
    const double span = run.span_length;
    run.sketch.rise_known = true;
    run.sketch.rise = rise;
    run.sketch.stations = {station};
    run.sketch.sights = {{station, {span, station.y + slope * (span - station.x)}}, {station, {span, rise}}};
    if (station.x < 0) run.sketch.sights.push_back({station, {0, 0}});
}

// Sagging: the reading to set, where the line will touch, the sag it gives.
bool write_required(CalcContext& context, const RunValues& run, const TangentPage& page, double slope,
                    double percent) {
    double reading = Inclination_To_Reading(vertical_circle(context.setup), Radians_To_Degrees(std::atan(slope)));
    if (!all_finite({slope, percent, reading})) return calculation_fault(context);
    context.write(page.field("Req_Vertical_Angle_Mid_Edit"), Degrees_To_DDDMMSS(reading), pattern::Angle);
    context.form.set_text(page.field("Reqd_Percent_Edit"), percent_text(context, percent));
    context.write(page.field("Required_Sag_Edit"), run.required_sag, pattern::Measure);
    context.write(page.field("Actual_Tension_Edit"), 0, pattern::Measure);
    return true;
}

bool write_actual(CalcContext& context, RunValues& run, const TangentPage& page, const TouchAdvice& advice,
                  const std::optional<Sighting>& sighting) {
    if (!sighting) return calculation_fault(context);
    if (refuse_touch_outside_span(context, run, sighting->touch, advice)) return false;
    context.form.set_text(page.field("Actual_Percent_Edit"), percent_text(context, sighting->percent));
    context.write(page.field("Actual_Sag_Edit"), sighting->sag, pattern::Angle);
    context.write(page.field("Actual_Tension_Edit"), 0, pattern::Measure);
    run.actual_sag = sighting->sag;
    return true;
}

}  // namespace

bool Tangent_1_Span_Method(CalcContext& context, RunValues& run) {
    const TangentPage& page = Tangent_1_Page;
    // 1: the near support height over the instrument, then the angles.
    double a = Read_Number_Field(context, page.field("Thedolite_Height_Edit"),
                                 "Near support height above theodolite centre", Cable_Sag_Page,
                                 Convert_Limit(context, Quantity::Length, 1),
                                 Convert_Limit(context, Quantity::Length, 100));
    if (a == Abort_Value) return false;
    double far_angle = read_vertical(context, page.field("Vert_Angle_Far_Edit"), "Vertical Angle Far");
    if (far_angle == Abort_Value) return false;
    auto tangent_angle = read_tangent_angle(context, run, page);
    if (!tangent_angle) return false;
    // 2
    const double span = run.span_length, sag = run.required_sag;
    double h = span * std::tan(far_angle) - a;
    // 4
    if (!run.sagging) {
        tangent_sketch(run, {0, -a}, std::tan(*tangent_angle), h);
        return write_actual(context, run, page, Tangent_1_Advice,
                            sag_from_tangent(a, h, std::tan(*tangent_angle), span));
    }
    // 3
    if (a * sag < 0) return calculation_fault(context);
    double slope = (4 * std::sqrt(a * sag) + h - 4 * sag) / span;
    if (refuse_touch_outside_span(context, run, touch_point(span, sag, slope - h / span), Tangent_1_Advice))
        return false;
    tangent_sketch(run, {0, -a}, slope, h);
    return write_required(context, run, page, slope, 50 * std::sqrt(a / sag));
}

bool Tangent_2_Span_Method(CalcContext& context, RunValues& run) {
    const TangentPage& page = Tangent_2_Page;
    // 1: the adjacent structure, the near angle, the adjacent span, the far angle.
    if (Read_Required_Text(context, page.field("Adjacent_Structure_Edit"), "Adjacent Structure", Cable_Sag_Page)
            .empty())
        return false;
    double near_angle = read_vertical(context, page.field("Vert_Angle_Near_Edit"), "Vertical Angle Near");
    if (near_angle == Abort_Value) return false;
    double b = Read_Number_Field(context, page.field("Adjacent_Span_Edit"), "Adjacent Span Length", Cable_Sag_Page,
                                 Convert_Limit(context, Quantity::Length, 10),
                                 Convert_Limit(context, Quantity::Length, 2000));
    if (b == Abort_Value) return false;
    double far_angle = read_vertical(context, page.field("Vert_Angle_Far_Edit"), "Vertical Angle Far");
    if (far_angle == Abort_Value) return false;
    auto tangent_angle = read_tangent_angle(context, run, page);
    if (!tangent_angle) return false;
    // 2: heights of both supports over the instrument.
    const double span = run.span_length, sag = run.required_sag;
    double near_height = b * std::tan(near_angle);
    double h = (b + span) * std::tan(far_angle) - near_height;
    // 4
    if (!run.sagging) {
        double t_m = std::tan(*tangent_angle);
        tangent_sketch(run, {-b, -near_height}, t_m, h);
        return write_actual(context, run, page, Tangent_2_Advice,
                            sag_from_tangent(near_height - b * t_m, h, t_m, span));
    }
    // 3
    double k = span * span / (8 * sag);
    double x = (span / 2) * (h / (4 * sag) - 1);
    double q = b * b - 2 * x * b + 2 * k * near_height;
    if (!(q >= 0) || k == 0) return calculation_fault(context);
    double slope = (std::sqrt(q) + x - b) / k;
    if (refuse_touch_outside_span(context, run, touch_point(span, sag, slope - h / span), Tangent_2_Advice))
        return false;
    double r = (near_height - b * slope) / sag;
    if (!(r >= 0)) return calculation_fault(context);
    tangent_sketch(run, {-b, -near_height}, slope, h);
    return write_required(context, run, page, slope, 50 * std::sqrt(r));
}

}  // namespace vortan
