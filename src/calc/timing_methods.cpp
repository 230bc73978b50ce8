#include "calc/timing_methods.h"

#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

// Seconds for one return swing of a one-metre sag: 4 pi / sqrt(5 g).
const double Swing_Constant = 12.56637061435916 / std::sqrt(49.05);
// g / 32: the sag in metres of one return wave a second.
constexpr double Wave_Constant = 0.3065625;

// The constants are in metres and seconds: the formulas are evaluated on
// metric sags, and the sag found is shown in the units in force.
double metric_sag(const CalcContext& context, double sag) {
    return to_metric(context, Quantity::Length, sag);
}

struct TimingFields {
    NumberField count;
    NumberField actual_time;
    std::string required_time;
    std::string required_sag;
    std::string actual_sag;
};

const TimingFields Swing_Fields{
    {"Swing_Number_of_Swings_Edit", "Number of Swings", Cable_Sag_Page, 1, 20},
    {"Swing_Actual_Time_Edit", "Actual Time", Cable_Sag_Page, 1, 300},
    "Swing_Required_Time_Edit", "Swing_Required_Sag_Edit", "Swing_Actual_Sag_Edit"};

const TimingFields Wave_Fields{
    {"WAVE_Number_of_Return_Waves_Edit", "Number of Return Waves", Cable_Sag_Page, 1, 20},
    {"WAVE_Actual_Time_Edit", "Actual Time", Cable_Sag_Page, 1, 300},
    "WAVE_Required_Time_Edit", "WAVE_Reqd_Sag_Edit", "WAVE_Actual_Sag_Edit"};

// The common shape of both methods; the two formulas differ.
template <typename RequiredTime, typename ActualSag>
bool timing_method(CalcContext& context, RunValues& run, const TimingFields& fields,
                   RequiredTime required_time, ActualSag actual_sag) {
    double count = Read_Number_Field(context, fields.count);
    if (count == Abort_Value) return false;
    double time = 0;
    if (!run.sagging) {
        time = Read_Number_Field(context, fields.actual_time);
        if (time == Abort_Value) return false;
    }
    if (run.sagging) {
        double seconds = required_time(count, metric_sag(context, run.required_sag));
        if (!all_finite({seconds}) || seconds < 0) return calculation_fault(context);
        context.write(fields.required_time, seconds, pattern::Time);
        context.write(fields.required_sag, run.required_sag, pattern::Measure);
        return true;
    }
    double sag = from_metric(context, Quantity::Length, actual_sag(count, time));
    if (!all_finite({sag}) || sag < 0) return calculation_fault(context);
    run.actual_sag = sag;
    context.write(fields.actual_sag, sag, pattern::Measure);
    return true;
}

}  // namespace

bool Pendulum_Swing_Method(CalcContext& context, RunValues& run) {
    return timing_method(
        context, run, Swing_Fields,
        [](double swings, double sag) { return swings * Swing_Constant * std::sqrt(sag); },
        [](double swings, double time) {
            double ratio = time / (swings * Swing_Constant);
            return ratio * ratio;
        });
}

bool Travelling_Wave_Method(CalcContext& context, RunValues& run) {
    return timing_method(
        context, run, Wave_Fields,
        [](double waves, double sag) { return waves * std::sqrt(32.0 * sag / 9.81); },
        [](double waves, double time) {
            if (waves == 0) return std::nan("");  // fails as a calculation error
            double ratio = time / waves;
            return Wave_Constant * ratio * ratio;
        });
}

}  // namespace vortan
