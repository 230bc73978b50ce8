#include "units/displayed_fields.h"

#include "units/unit_labels.h"

namespace vortan {

const std::vector<DisplayedMeasure>& displayed_measures() {
    constexpr Quantity L = Quantity::Length;
    static const std::vector<DisplayedMeasure> measures = {
        {"Span_Length_Edit", L}, {"Compensated_Sag_Edit", L}, {"HSM_Actual_Sag_Edit", L},
        {"HSM_Actual_Stick_Height_Edit", L}, {"HSM_Near_Distance_Edit", L}, {"HSM_Required_Sag_Edit", L},
        {"HSM_Required_Stick_Height_Edit", L}, {"HSM_Theodolite_Height_Edit", L}, {"Upper_Sag_Edit", L},
        {"Lower_Sag_Edit", L}, {"LSM_Actual_Sag_Edit", L}, {"LSM_Actual_Telescope_Height_Edit", L},
        {"LSM_Required_Sag_Edit", L}, {"LSM_Required_Telescope_Height_Edit", L},
        {"LSM_Support_Height_Difference_Edit", L}, {"Off_2S_Actual_Sag_Edit", L}, {"Off_2S_Adjacent_Span_Edit", L},
        {"Off_2S_Reqd_Sag_Edit", L}, {"SBM_Actual_Sag_Edit", L}, {"SBM_Actual_Sag_Height_Far_Edit", L},
        {"SBM_Actual_Sag_Height_Near_Edit", L}, {"SBM_Required_Sag_Edit", L},
        {"SBM_Required_Sag_Height_Near_Edit", L}, {"Series_Dyn_Actual_Sag_Edit", L},
        {"Series_Dyn_Required_Sag_Edit", L}, {"Shunt_Dyn_Actual_Sag_Edit", L}, {"Shunt_Dyn_Required_Sag_Edit", L},
        {"Swing_Actual_Sag_Edit", L}, {"Swing_Required_Sag_Edit", L}, {"Tan_1S_Actual_Sag_Edit", L},
        {"Tan_1S_Required_Sag_Edit", L}, {"Tan_1S_Thedolite_Height_Edit", L}, {"Tan_2S_Actual_Sag_Edit", L},
        {"Tan_2S_Adjacent_Span_Edit", L}, {"Tan_2S_Required_Sag_Edit", L}, {"WAVE_Actual_Sag_Edit", L},
        {"WAVE_Reqd_Sag_Edit", L}, {"Clino_1_Tan_L1_Edit", L},
        // The tolerance check beside the results.
        {"Tolerance_Required_Sag_Edit", L}, {"Tolerance_Actual_Sag_Edit", L}, {"Tolerance_Difference_Edit", L},
        // The hidden stored lengths: without them an imperial display would show
        // metres as feet, and the next preserve would store them converted twice.
        {"Required_Sag_Edit", L}, {"Actual_Sag_Edit", L}, {"Off_1S_Tangent_Height_Near_Edit", L},
        {"Off_1S_Tangent_Height_Mid_Edit", L}, {"Off_1S_Tangent_Height_Far_Edit", L},
        {"Off_1S_Slope_Dist_Near_Edit", L}, {"Off_1S_Slope_Dist_Mid_Edit", L}, {"Off_1S_Slope_Dist_Far_Edit", L},
        {"Shunt_Dyn_Deflection_Edit", Quantity::SmallLength},
        {"Shunt_Dyn_Fulcrum_Seperation_Edit", Quantity::SmallLength},
        {"Actual_Cable_Temperature_Edit", Quantity::Temperature},
        {"Compensated_Temperature_Degrees_Edit", Quantity::Temperature},
        {"Lower_Temperature_Degrees_Edit", Quantity::Temperature},
        {"Temperature_Compensation_Edit", Quantity::TemperatureDifference},
        {"Upper_Temperature_Degrees_Edit", Quantity::Temperature},
        {"Tan_2S_Actual_Tension_Edit", Quantity::LargeForce}, {"Tan_1S_Actual_Tension_Edit", Quantity::LargeForce},
        {"Series_Dyn_Actual_Tension_Edit", Quantity::LargeForce},
        {"Series_Dyn_Required_Tension_Edit", Quantity::LargeForce},
        {"Shunt_Dyn_Actual_Tension_Edit", Quantity::LargeForce},
        {"Shunt_Dyn_Required_Tension_Edit", Quantity::LargeForce},
        {"Shunt_Dyn_Actual_Force_Edit", Quantity::Force}, {"Shunt_Dyn_Required_Force_Edit", Quantity::Force},
    };
    return measures;
}

void convert_displayed_fields(CalcContext& context, bool from_imperial, bool to_imperial) {
    Form& form = context.form;
    const char* flags[] = {"Data_Changed_Since_Load_CheckBox", "Span_Data_Changed_CheckBox",
                           "Cable_Data_Changed_CheckBox"};
    bool kept[3];
    for (int i = 0; i < 3; ++i) kept[i] = form.checked(flags[i]);
    for (const DisplayedMeasure& measure : displayed_measures()) {
        // A stored value is shown afresh from what was stored, not from its rounded display.
        const std::string source = form.source(measure.field);
        if (!source.empty()) {
            form.set_shown(measure.field, display_text_of_stored(source, measure.kind, to_imperial, context.numbers),
                           source);
            continue;
        }
        const std::string& text = form.text(measure.field);
        double value = text.empty() ? Abort_Value : Text_To_Number(text, context.numbers);
        if (value == Abort_Value) continue;
        // Through metric, so a switch from feet shows metres, not feet re-labelled.
        double metric = from_imperial ? imperial_to_metric(measure.kind, value) : value;
        double shown = to_imperial ? metric_to_imperial(measure.kind, metric) : metric;
        context.write(measure.field, shown, pattern::Measure);
    }
    for (int i = 0; i < 3; ++i) form.set_checked(flags[i], kept[i]);
}

void Convert_Fields_To_New_Units_Of_Measure(CalcContext& context) {
    convert_displayed_fields(context, /*from_imperial=*/false, context.imperial());
}

void Set_Units_Labels(Form& main, Form& setup, bool imperial) {
    set_units_labels(main, imperial);
    set_units_labels(setup, imperial);
}

}  // namespace vortan
