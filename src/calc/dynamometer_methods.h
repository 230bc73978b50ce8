// The series and shunt dynamometer methods: the parabola T = w L^2 / 8 sag
// turns the required sag into a dynamometer reading, or a reading into the sag.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Series_Dynamometer_Method(CalcContext& context, RunValues& run);
bool Shunt_Dynamometer_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
