#include "calc/dynamometer_methods.h"

#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

const char* const No_Cable_Name_Message =
    "Error : No cable name has been selected.  \n\r\n\rPlease enter Cable Data under Setup.";

// The list being empty is what counts for the first message. A typed name
// with no record (or a mass of 0) weighs nothing, and a weightless cable has
// no sag a dynamometer could show: that is refused too.
bool cable_offered(CalcContext& context, const RunValues& run) {
    if (context.form.items("Cable_Code_Name_ComboBox").empty()) {
        show_error(context, No_Cable_Name_Message);
        return false;
    }
    if (!run.mass_readable || run.unit_weight != 0) return true;
    show_error(context, "Error : The cable \"" + context.form.text("Cable_Code_Name_ComboBox") +
                            "\" has no mass on record, so no dynamometer reading can tell its sag.\n\r\n\rEnter the "
                            "cable's mass under Setup, Cable Details, or use another method.");
    return false;
}

NumberField converted_field(const CalcContext& context, const char* field, const char* caption, Quantity kind,
                            double lower, double upper) {
    return {field, caption, Cable_Sag_Page, Convert_Limit(context, kind, lower), Convert_Limit(context, kind, upper)};
}

// w is in N/m whatever the units, so the parabola is evaluated in metres and
// kilonewtons and only its inputs and outputs pass through the units in force.
double metric_span(const CalcContext& context, const RunValues& run) {
    return to_metric(context, Quantity::Length, run.span_length);
}

// T = w L^2 / (8 sag), in kN; also the sag of a tension, the two being symmetric.
double parabola(const CalcContext& context, const RunValues& run, double sag_or_tension) {
    const double span = metric_span(context, run);
    return span * span * run.unit_weight / (8 * sag_or_tension * 1000);
}

bool usable(std::initializer_list<double> values) {
    if (!all_finite(values)) return false;
    for (double v : values)
        if (v < 0) return false;
    return true;
}

bool series_required(CalcContext& context, RunValues& run, double advantage) {
    const double tension = parabola(context, run, to_metric(context, Quantity::Length, run.required_sag));
    const double reading = tension / advantage;
    if (!usable({reading})) return calculation_fault(context);
    run.horizontal_tension = tension;
    context.write("Series_Dyn_Required_Tension_Edit", from_metric(context, Quantity::LargeForce, reading),
                  pattern::Measure);
    context.write("Series_Dyn_Required_Sag_Edit", run.required_sag, pattern::Measure);
    return true;
}

bool series_actual(CalcContext& context, RunValues& run, double advantage, double reading) {
    if (reading == 0) return calculation_fault(context);
    const double tension = to_metric(context, Quantity::LargeForce, reading) * advantage;
    const double sag = from_metric(context, Quantity::Length, parabola(context, run, tension));
    if (!usable({sag})) return calculation_fault(context);
    run.horizontal_tension = tension;
    context.write("Series_Dyn_Actual_Sag_Edit", sag, pattern::Measure);
    run.actual_sag = sag;
    return true;
}

bool shunt_required(CalcContext& context, RunValues& run, double root_q) {
    const double tension = parabola(context, run, to_metric(context, Quantity::Length, run.required_sag));
    const double force = 2 * tension * 1000 / root_q;
    if (!usable({tension, force})) return calculation_fault(context);
    run.horizontal_tension = tension;
    context.write("Shunt_Dyn_Required_Tension_Edit", from_metric(context, Quantity::LargeForce, tension),
                  pattern::Measure);
    context.write("Shunt_Dyn_Required_Force_Edit", from_metric(context, Quantity::Force, force), pattern::Measure);
    context.write("Shunt_Dyn_Required_Sag_Edit", run.required_sag, pattern::Measure);
    return true;
}

bool shunt_actual(CalcContext& context, RunValues& run, double root_q, double force) {
    const double tension = root_q * to_metric(context, Quantity::Force, force) / 2000;
    if (tension == 0) return calculation_fault(context);
    const double sag = from_metric(context, Quantity::Length, parabola(context, run, tension));
    if (!usable({tension, sag})) return calculation_fault(context);
    run.horizontal_tension = tension;
    context.write("Shunt_Dyn_Actual_Tension_Edit", from_metric(context, Quantity::LargeForce, tension),
                  pattern::Measure);
    context.write("Shunt_Dyn_Actual_Sag_Edit", sag, pattern::Measure);
    run.actual_sag = sag;
    return true;
}

}  // namespace

bool Series_Dynamometer_Method(CalcContext& context, RunValues& run) {
    if (!cable_offered(context, run)) return false;
    const double advantage = Read_Number_Field(
        context, NumberField{"Series_Dyn_Mechanical_Advantage_Edit", "Mechanical Advantage", Cable_Sag_Page, 1, 100});
    if (advantage == Abort_Value) return false;
    double reading = 0;
    if (!run.sagging) {
        reading = Read_Number_Field(context, converted_field(context, "Series_Dyn_Actual_Tension_Edit",
                                                             "Actual Tension", Quantity::LargeForce, 0, 100));
        if (reading == Abort_Value) return false;
    }
    // A mass that is not a number weighs nothing one can trust.
    if (advantage == 0 || !run.mass_readable) return calculation_fault(context);
    return run.sagging ? series_required(context, run, advantage) : series_actual(context, run, advantage, reading);
}

bool Shunt_Dynamometer_Method(CalcContext& context, RunValues& run) {
    if (!cable_offered(context, run)) return false;
    const double separation =
        Read_Number_Field(context, converted_field(context, "Shunt_Dyn_Fulcrum_Seperation_Edit", "Fulcrum Seperation",
                                                   Quantity::SmallLength, 100, 5000));
    if (separation == Abort_Value) return false;
    const double deflection = Read_Number_Field(
        context, converted_field(context, "Shunt_Dyn_Deflection_Edit", "Deflection", Quantity::SmallLength, 1, 1000));
    if (deflection == Abort_Value) return false;
    double force = 0;
    if (!run.sagging) {
        force = Read_Number_Field(
            context, converted_field(context, "Shunt_Dyn_Actual_Force_Edit", "Actual Force", Quantity::Force, 1, 5000));
        if (force == Abort_Value) return false;
    }
    if (deflection == 0 || !run.mass_readable) return calculation_fault(context);
    // Separation over deflection is a pure ratio: any small-length unit serves.
    const double half_ratio = separation / (2 * deflection);
    const double q = half_ratio * half_ratio + 1;
    if (!(q > 0) || !std::isfinite(q)) return calculation_fault(context);
    const double root_q = std::sqrt(q);
    return run.sagging ? shunt_required(context, run, root_q) : shunt_actual(context, run, root_q, force);
}

}  // namespace vortan
