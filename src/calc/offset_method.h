// The offset method: a theodolite set up beside the line triangulates the
// near, middle and far points from bearings and the adjacent span alone.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Offset_2_Span_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
