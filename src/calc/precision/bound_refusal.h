// The results a run must not report: observations that only bound the sag (a
// sight line that touches the cable at a support within what the readings'
// precision allows, a sag its band cannot tell from none), and instructions
// no observation can follow.
#pragma once

#include "calc/calc_context.h"
#include "calc/precision/band.h"
#include "calc/run_values.h"

#include <optional>

namespace vortan {

// True, after the error (shown also while quiet), when the successful run of
// the method on `page` must end without a result.
bool refuse_unfounded_result(CalcContext& context, const RunValues& run, int page,
                             const std::optional<ResultBand>& band);

}  // namespace vortan
