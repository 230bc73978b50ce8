// The creep-compensated temperature and the required sag interpolated from two
// rows of the sagging schedule.
#pragma once

#include "calc/calc_context.h"

#include <optional>

namespace vortan {

// Writes the compensated temperature and the Sag_Label heading from the creep
// allowance and the actual cable temperature.
void Calc_Required_Temp_BitBtnClick(CalcContext& context);

// Two rows of the sagging schedule.
struct ScheduleRows {
    double upper_temperature;
    double upper_sag;
    double lower_temperature;
    double lower_sag;
};

// The sag of the schedule at a temperature: linear between the rows and
// extended beyond them; equal temperatures give the upper sag.
double schedule_sag(const ScheduleRows& rows, double temperature);

// The temperature block of a run in sag mode "Sag Cable", on the actual cable
// temperature the run has read: the required sag D, or nothing when the run
// must end.
std::optional<double> compensated_sag(CalcContext& context, double actual_temperature);

}  // namespace vortan
