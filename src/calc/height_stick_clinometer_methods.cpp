#include "calc/height_stick_clinometer_methods.h"

#include "calc/angle_entry.h"
#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

// All three methods are ratios of lengths (angles and gradients are slopes),
// so they hold in any length unit: only the reading bounds are converted.
NumberField length_field(const CalcContext& context, const char* field, const char* caption, double lower,
                         double upper) {
    return {field, caption, Cable_Sag_Page, Convert_Limit(context, Quantity::Length, lower),
            Convert_Limit(context, Quantity::Length, upper)};
}

struct StickReadings {
    double near_angle;  // V_N, radians above the horizontal
    double far_angle;   // V_F
    double theodolite;  // t
    double near;        // e
    double stick;       // k, checking only
};

// V_N, V_F, t, e and, when checking, k; false on the first abort value.
bool read_stick(CalcContext& context, const RunValues& run, StickReadings& r) {
    r.near_angle = Read_Angle_Field(context, "HSM_Near_Vert_Angle_Edit", "Vertical Angle Near", Cable_Sag_Page,
                                    AngleKind::Vertical);
    if (r.near_angle == Abort_Value) return false;
    r.far_angle = Read_Angle_Field(context, "HSM_Far_Vert_Angle_Edit", "Vertical Angle Far", Cable_Sag_Page,
                                   AngleKind::Vertical);
    if (r.far_angle == Abort_Value) return false;
    r.theodolite = Read_Number_Field(context, length_field(context, "HSM_Theodolite_Height_Edit",
                                                           "Theodolite Height", 0, 3));
    if (r.theodolite == Abort_Value) return false;
    r.near = Read_Number_Field(context, length_field(context, "HSM_Near_Distance_Edit", "Near Distance", 5, 1500));
    if (r.near == Abort_Value) return false;
    r.stick = 0;
    if (run.sagging) return true;
    r.stick = Read_Number_Field(context, length_field(context, "HSM_Actual_Stick_Height_Edit",
                                                      "Cable Height Above Ground", 0, 100));
    return r.stick != Abort_Value;
}

// The theodolite e along the span, t above the ground, sighting both supports,
// and the stick standing beside it up to the cable.
void stick_sketch(RunValues& run, const StickReadings& r, double z_near, double rise, double stick) {
    const SpanPoint station{r.near, -z_near};
    const SpanPoint ground{r.near, -z_near - r.theodolite};
    run.sketch.rise_known = true;
    run.sketch.rise = rise;
    run.sketch.stations = {station};
    run.sketch.sights = {{station, {0, 0}}, {station, {run.span_length, rise}}};
    run.sketch.sticks = {{ground, {ground.x, ground.y + stick}}};
}

// Sagging: the parabola of the required sag through both supports gives the
// cable's height at the theodolite.
bool stick_required(CalcContext& context, RunValues& run, const StickReadings& r, double z_near, double rise) {
    const double span = run.span_length;
    const double k = span * span / (8 * run.required_sag);
    const double u = k * rise / span - span / 2;  // near support from the low point
    const double s = r.near + u;                  // theodolite from the low point
    if (k == 0) return calculation_fault(context);
    const double y_theodolite = s * s / (2 * k);
    const double y_near = u * u / (2 * k);
    const double height = (r.theodolite + z_near) - (y_near - y_theodolite);
    if (!all_finite({k, u, s, y_theodolite, y_near, height})) return calculation_fault(context);
    // A stick reads the cable's height above the ground: none reaches below it.
    if (height < 0) {
        show_error(context, "Error : No height stick can be set to this sag.  At the required sag the cable would "
                            "hang " + format_number(-height, pattern::Measure, context.numbers) +
                                (context.imperial() ? " ft" : " m") +
                                " below the ground at the theodolite station.\n\r\n\rCheck the input data, set up "
                                "the theodolite where the cable hangs above the ground, or use another method.");
        return false;
    }
    context.write("HSM_Required_Stick_Height_Edit", height, pattern::Measure);
    context.write("HSM_Required_Sag_Edit", run.required_sag, pattern::Measure);
    stick_sketch(run, r, z_near, rise, height);
    return true;
}

// Checking: the parabola through both supports and the measured cable point.
bool stick_actual(CalcContext& context, RunValues& run, const StickReadings& r, double z_near, double rise) {
    const double span = run.span_length;
    const double q = r.theodolite + z_near - r.stick;  // cable below the near support
    const double p = q + rise;                          // and below the far one
    const double m = -r.near;
    const double n = span - r.near;
    if (n == 0) return calculation_fault(context);
    const double denominator = 2 * (p * m / n - q);
    if (denominator == 0) return calculation_fault(context);
    const double c = (n * m - m * m) / denominator;
    // c < 0 is a cable above its chord: its sag would come out negative.
    if (!(c > 0)) return calculation_fault(context);
    const double sag = span * span / (8 * c);
    if (!all_finite({q, p, c, sag}) || sag < 0) return calculation_fault(context);
    context.write("HSM_Actual_Sag_Edit", sag, pattern::Measure);
    run.actual_sag = sag;
    stick_sketch(run, r, z_near, rise, r.stick);
    return true;
}

struct Gradients {
    double first;
    double second;
};

bool read_gradients(CalcContext& context, const char* first, const char* second, Gradients& g) {
    g.first = Read_Number_Field(context, first, "Gradient", Cable_Sag_Page, 0, 100);
    if (g.first == Abort_Value) return false;
    g.second = Read_Number_Field(context, second, "Gradient", Cable_Sag_Page, 0, 100);
    return g.second != Abort_Value;
}

// A negative gradient is allowed; a negative sum of them is no cable.
bool write_clino_sag(CalcContext& context, RunValues& run, const char* field, double sag) {
    if (!all_finite({sag}) || sag < 0) return calculation_fault(context);
    context.write(field, sag, pattern::Measure);
    run.actual_sag = sag;
    return true;
}

}  // namespace

bool Height_Stick_Method(CalcContext& context, RunValues& run) {
    StickReadings r{};
    if (!read_stick(context, run, r)) return false;
    // Beyond the far structure the stick would measure a cable that is not there.
    if (r.near > run.span_length) {
        show_error_at(context, "HSM_Near_Distance_Edit", Cable_Sag_Page, "Error : The Near Distance is longer than the Span Length.  The theodolite would stand "
                            "beyond the far structure, where no cable hangs above it.\n\r\n\rSet up the theodolite "
                            "on the line between the near and the far structure.");
        return false;
    }
    const double z_near = std::tan(r.near_angle) * r.near;
    const double z_far = std::tan(r.far_angle) * (run.span_length - r.near);
    const double rise = z_far - z_near;
    if (!all_finite({z_near, z_far, rise})) return calculation_fault(context);
    return run.sagging ? stick_required(context, run, r, z_near, rise) : stick_actual(context, run, r, z_near, rise);
}

bool Clino_1_Span_Method(CalcContext& context, RunValues& run) {
    Gradients g{};
    if (!read_gradients(context, "Clino_1_Tan_Grad1_Edit", "Clino_1_Tan_Grad2_Edit", g)) return false;
    const double l1 = Read_Number_Field(context, length_field(context, "Clino_1_Tan_L1_Edit", "L1 Distance", 5, 1500));
    if (l1 == Abort_Value) return false;
    return write_clino_sag(context, run, "Clino_1_Tan_Actual_Sag_Edit", (g.first + g.second) * l1 / 400);
}

bool Clino_2_Span_Method(CalcContext& context, RunValues& run) {
    Gradients g{};
    if (!read_gradients(context, "Clino_2_Tan_Grad1_Edit", "Clino_2_Tan_Grad2_Edit", g)) return false;
    return write_clino_sag(context, run, "Clino_2_Tan_Actual_Sag_Edit", (g.first + g.second) * run.span_length / 800);
}

}  // namespace vortan
