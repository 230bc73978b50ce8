// The sightboard and level sighting methods: a sight line that touches the
// cable's low point gives the distance below the near support to set the board
// or telescope at for the required sag, or the sag the measured distances show.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Sightboard_Method(CalcContext& context, RunValues& run);
bool Level_Sighting_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
