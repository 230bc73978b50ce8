// The pendulum swing and travelling wave methods: the time a number of swings
// or returns must take at the required sag, or the sag a measured time shows.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Pendulum_Swing_Method(CalcContext& context, RunValues& run);
bool Travelling_Wave_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
