// The tangent methods: a theodolite sights a line that just touches the
// hanging cable, from the near structure (one span) or from the adjacent
// structure one span back (two spans).
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

bool Tangent_2_Span_Method(CalcContext& context, RunValues& run);
bool Tangent_1_Span_Method(CalcContext& context, RunValues& run);

}  // namespace vortan
