#include "calc/temperature_compensation.h"

#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/unit_conversion.h"

namespace vortan {

namespace {

constexpr double Lowest_Temperature = -20;   // degrees C
constexpr double Highest_Temperature = 80;   // degrees C
constexpr double Largest_Schedule_Sag = 300; // m
constexpr double Most_Hours_Of_Presag = 504;

double read_temperature(CalcContext& context, const std::string& field, const std::string& caption) {
    return Read_Number_Field(context, field, caption, Cable_Sag_Page,
                             Convert_Limit(context, Quantity::Temperature, Lowest_Temperature),
                             Convert_Limit(context, Quantity::Temperature, Highest_Temperature));
}

// The creep allowance is a difference of temperatures: its bounds convert as one.
double read_creep(CalcContext& context, const std::string& caption) {
    return Read_Number_Field(context, "Temperature_Compensation_Edit", caption, Cable_Sag_Page,
                             Convert_Limit(context, Quantity::TemperatureDifference, Lowest_Temperature),
                             Convert_Limit(context, Quantity::TemperatureDifference, Highest_Temperature));
}

// The actual temperature is absolute: its bounds follow the units in force, so
// a summer temperature in degrees F is not taken as 0 by a quiet read.
double read_actual_temperature(CalcContext& context) {
    return read_temperature(context, "Actual_Cable_Temperature_Edit", "Actual Cable Temperature");
}

// The schedule column is final sag when the allowance cools the cable,
// initial sag when it warms it.
void show_sag_heading(Form& form, double creep) {
    if (Abort_Value < creep && creep < 0)
        form.set_caption("Sag_Label", "Final Sag");
    else if (creep > 0)
        form.set_caption("Sag_Label", "Initial Sag");
    else
        form.set_caption("Sag_Label", "Sag");
}

double read_schedule_sag(CalcContext& context, const std::string& field, const std::string& caption) {
    return Read_Number_Field(context, field, caption, Cable_Sag_Page, 0,
                             Convert_Limit(context, Quantity::Length, Largest_Schedule_Sag));
}

// A consistency error of the schedule: shown and fatal only when messages are on.
bool schedule_error(CalcContext& context, const std::string& text, const std::string& focus) {
    if (context.quiet()) return false;
    show_error(context, text);
    context.form.set_focus(focus);
    return true;
}

}  // namespace

void Calc_Required_Temp_BitBtnClick(CalcContext& context) {
    Form& form = context.form;
    form.set_text("Compensated_Temperature_Degrees_Edit", "0");
    if (form.text("Temperature_Compensation_Edit").empty()) return;
    const double creep = read_creep(context, "Creep Allowance");
    show_sag_heading(form, creep);
    if (form.text("Actual_Cable_Temperature_Edit").empty() || creep == Abort_Value) return;
    const double actual = read_actual_temperature(context);
    if (actual == Abort_Value) return;
    context.write("Compensated_Temperature_Degrees_Edit", actual + creep, pattern::Time);
}

double schedule_sag(const ScheduleRows& rows, double temperature) {
    if (rows.upper_temperature == rows.lower_temperature) return rows.upper_sag;
    return rows.upper_sag - (rows.upper_temperature - temperature) * (rows.upper_sag - rows.lower_sag) /
                                (rows.upper_temperature - rows.lower_temperature);
}

std::optional<double> compensated_sag(CalcContext& context, double actual_temperature) {
    auto aborted = [](double value) { return value == Abort_Value; };
    // 1-4: the creep allowance, and the entries that are only checked here.
    const double creep = read_creep(context, "Creep Allowance (Temperature Compensation)");
    if (aborted(creep)) return std::nullopt;
    if (aborted(Read_Number_Field(context, "Hours_Since_Cable_Runout_Edit", "Hours Since Cable Runout",
                                  Cable_Sag_Page, 0, Most_Hours_Of_Presag)))
        return std::nullopt;
    if (aborted(read_temperature(context, "Upper_Temperature_Degrees_Edit", "Upper Temperature")) ||
        aborted(read_temperature(context, "Lower_Temperature_Degrees_Edit", "Lower Temperature")))
        return std::nullopt;
    // 5-8: the compensated temperature from the values this run has read and
    // accepted (a range question is asked once a run), and the two schedule
    // temperatures.
    show_sag_heading(context.form, creep);
    context.write("Compensated_Temperature_Degrees_Edit", actual_temperature + creep, pattern::Time);
    double compensated = read_temperature(context, "Compensated_Temperature_Degrees_Edit", "Compensated Temperature");
    if (aborted(compensated)) return std::nullopt;
    double upper = read_temperature(context, "Upper_Temperature_Degrees_Edit", "Upper Temperature");
    if (aborted(upper)) return std::nullopt;
    double lower = read_temperature(context, "Lower_Temperature_Degrees_Edit", "Lower Temperature");
    if (aborted(lower)) return std::nullopt;
    // 9-13: the schedule rows must be consistent.
    if (upper < lower &&
        schedule_error(context, "Error : The Upper Temperature must be greater than or equal to the Lower Temperature !",
                       "Upper_Temperature_Degrees_Edit"))
        return std::nullopt;
    double upper_sag = read_schedule_sag(context, "Upper_Sag_Edit", "Upper Sag");
    if (aborted(upper_sag)) return std::nullopt;
    double lower_sag = read_schedule_sag(context, "Lower_Sag_Edit", "Lower Sag");
    if (aborted(lower_sag)) return std::nullopt;
    if (upper == lower && upper_sag != lower_sag &&
        schedule_error(context, "Error : If the Upper and Lower Temperatures are the same, then the Upper and Lower Sags must also be the same.",
                       "Upper_Sag_Edit"))
        return std::nullopt;
    if (upper == lower && compensated != lower &&
        schedule_error(context, "Error : If the Upper and Lower Temperatures are the same, then the Required (compensated) Temperature must also be the same.",
                       "Compensated_Temperature_Degrees_Edit"))
        return std::nullopt;
    // 14-15: linear interpolation, extended beyond the two rows where needed.
    double sag = schedule_sag({upper, upper_sag, lower, lower_sag}, compensated);
    if (!all_finite({sag})) {
        calculation_fault(context);
        return std::nullopt;
    }
    context.write("Compensated_Sag_Edit", sag, pattern::Measure);
    context.write_result("Required_Sag_Edit", sag, Quantity::Length, pattern::Measure);
    return sag;
}

}  // namespace vortan
