#include "calc/sighting_methods.h"

#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/sight_line_touch.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

// Both methods are ratios of lengths on a parabola: they hold in any length
// unit, so only the reading bounds are converted.
constexpr double Longest_Distance = 100;  // m

const char* const Low_Point_Message =
    "Error: The low point is not in this sag-span.  \n\r\n\rThe Level Sighting Method cannot be used for this "
    "sag-span.";

// A board more than four sags below its support sees a line that touches the
// cable's curve beyond the other support.
const TouchAdvice Sightboard_Advice{
    "Fix the far sightboard less than 4 times the sag below the far support, or use another method.",
    "Fix the near sightboard less than 4 times the sag below the near support, or use another method."};
const TouchAdvice Level_Advice{"Use another method: the low point of this cable is not between the structures.",
                               "Use another method: the low point of this cable is not between the structures."};

NumberField distance_field(const CalcContext& context, const char* field, const char* caption, double lower) {
    return {field, caption, Cable_Sag_Page, Convert_Limit(context, Quantity::Length, lower),
            Convert_Limit(context, Quantity::Length, Longest_Distance)};
}

// The sight line between the boards, parallel to the chord; the supports'
// heights are not observed.
void sightboard_sketch(RunValues& run, double near, double far) {
    run.sketch.stations = {{0, -near}};
    run.sketch.sights = {{{0, -near}, {run.span_length, -far}}};
}

// The level line from the telescope below the near support, touching the low point.
void level_sketch(RunValues& run, double rise, double telescope) {
    run.sketch.rise_known = true;
    run.sketch.rise = rise;
    run.sketch.stations = {{0, -telescope}};
    run.sketch.sights = {{{0, -telescope}, {run.span_length, -telescope}}};
}

void write_percent(CalcContext& context, const std::string& field, double percent) {
    context.form.set_text(field, format_number(percent, pattern::Percent, context.numbers) + " %");
}

// Sightboard, sagging: sqrt(near) + sqrt(far) = 2 sqrt(D) for a sight line
// tangent to the low point.
bool sightboard_required(CalcContext& context, RunValues& run, double far) {
    const double sag = run.required_sag;
    const double root = 2 * std::sqrt(sag) - std::sqrt(far);
    const double near = root * root;
    // A far board more than four sags down leaves no near distance: squaring
    // the negative root would set the board for a line touching behind the near support.
    const double touch = touch_point(run.span_length, sag, (near - far) / run.span_length);
    if (!all_finite({touch})) return calculation_fault(context);
    if (refuse_touch_outside_span(context, run, touch, Sightboard_Advice)) return false;
    const double ratio = near / sag;
    if (!(ratio >= 0)) return calculation_fault(context);
    const double percent = 50 * std::sqrt(ratio);
    if (!all_finite({near, percent})) return calculation_fault(context);
    context.write("SBM_Required_Sag_Height_Near_Edit", near, pattern::Measure);
    write_percent(context, "SBM_Required_Percent_Edit", percent);
    context.write("SBM_Required_Sag_Edit", sag, pattern::Measure);
    sightboard_sketch(run, near, far);
    return true;
}

bool sightboard_actual(CalcContext& context, RunValues& run, double near, double far) {
    if (near < 0) return calculation_fault(context);
    const double mean_root = (std::sqrt(near) + std::sqrt(far)) / 2;
    const double sag = mean_root * mean_root;
    if (sag == 0) return calculation_fault(context);
    const double ratio = near / sag;
    if (!(ratio >= 0)) return calculation_fault(context);
    const double percent = 50 * std::sqrt(ratio);
    const double touch = touch_point(run.span_length, sag, (near - far) / run.span_length);
    if (!all_finite({sag, percent, touch})) return calculation_fault(context);
    if (refuse_touch_outside_span(context, run, touch, Sightboard_Advice)) return false;
    write_percent(context, "SBM_Actual_Percent_Edit", percent);
    context.write("SBM_Actual_Sag_Edit", sag, pattern::Measure);
    run.actual_sag = sag;
    sightboard_sketch(run, near, far);
    return true;
}

// Level sighting, sagging: the telescope sits D (1 - h / 4D)^2 below the near
// support, provided the low point lies between the structures.
bool level_required(CalcContext& context, RunValues& run, double rise) {
    const double span = run.span_length;
    const double sag = run.required_sag;
    const double x = span * span / (8 * sag);
    const double y = x * rise / span - span / 2;
    if (!all_finite({x, y})) return calculation_fault(context);
    if (!(-span < y && y < 0)) {
        show_error(context, Low_Point_Message);
        return false;
    }
    const double height = rise * rise / (16 * sag) + sag - rise / 2;
    const double percent = 50 * std::sqrt(height / sag);
    if (!all_finite({height, percent})) return calculation_fault(context);
    write_percent(context, "LSM_Required_Percent_Edit", percent);
    context.write("LSM_Required_Telescope_Height_Edit", height, pattern::Measure);
    context.write("LSM_Required_Sag_Edit", sag, pattern::Measure);
    level_sketch(run, rise, height);
    return true;
}

// Level sighting, checking: the larger root of S^2 - (a + h/2) S + h^2/16 = 0.
bool level_actual(CalcContext& context, RunValues& run, double rise, double telescope) {
    if (telescope < 0) return calculation_fault(context);
    const double b = -(rise / 2 + telescope);
    const double c = rise * rise / 16;
    const double discriminant = b * b - 4 * c;
    if (!(discriminant > 0)) return calculation_fault(context);
    const double sag = (std::sqrt(discriminant) - b) / 2;
    const double percent = 50 * std::sqrt(telescope / sag);
    const double touch = touch_point(run.span_length, sag, -rise / run.span_length);
    if (!all_finite({sag, percent, touch}) || sag < 0) return calculation_fault(context);
    if (refuse_touch_outside_span(context, run, touch, Level_Advice)) return false;
    write_percent(context, "LSM_Actual_Percent_Edit", percent);
    context.write("LSM_Actual_Sag_Edit", sag, pattern::Measure);
    run.actual_sag = sag;
    level_sketch(run, rise, telescope);
    return true;
}

}  // namespace

bool Sightboard_Method(CalcContext& context, RunValues& run) {
    double near = 0;
    if (!run.sagging) {
        near = Read_Number_Field(context, distance_field(context, "SBM_Actual_Sag_Height_Near_Edit",
                                                         "sightboard distance at the near structure", 0));
        if (near == Abort_Value) return false;
    }
    const double far = Read_Number_Field(context, distance_field(context, "SBM_Actual_Sag_Height_Far_Edit",
                                                                 "sightboard distance at the far structure", 0));
    if (far == Abort_Value) return false;
    if (far < 0) return calculation_fault(context);
    return run.sagging ? sightboard_required(context, run, far) : sightboard_actual(context, run, near, far);
}

bool Level_Sighting_Method(CalcContext& context, RunValues& run) {
    const double rise = Read_Number_Field(
        context, distance_field(context, "LSM_Support_Height_Difference_Edit", "Support Height Difference",
                                -Longest_Distance));
    if (rise == Abort_Value) return false;
    if (run.sagging) return level_required(context, run, rise);
    const double telescope = Read_Number_Field(
        context, distance_field(context, "LSM_Actual_Telescope_Height_Edit", "Actual Telescope Height", 0));
    if (telescope == Abort_Value) return false;
    return level_actual(context, run, rise, telescope);
}

}  // namespace vortan
