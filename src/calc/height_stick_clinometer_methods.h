// The height stick method (the cable height above ground under a theodolite
// for the required sag, or the sag a measured height shows) and the two
// clinometer methods (the sag from two measured gradients).
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Height_Stick_Method(CalcContext& context, RunValues& run);
// The clinometer methods only check a sag; when sagging they fill their own
// page and leave Actual_Sag_Edit to the run, which writes nothing then.
bool Clino_1_Span_Method(CalcContext& context, RunValues& run);
bool Clino_2_Span_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
