// Where a straight sight line that just touches a hanging cable meets it, and
// the refusal of a sighting whose line could only touch the cable's curve
// beyond a support, where no cable hangs.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

// For the parabola of a span (near attachment at 0, sag below the chord at
// mid-span), the distance from the near support at which a line of slope
// `slope_over_chord` relative to the chord touches it:
// x = L/2 + slope_over_chord * L^2 / (8 sag).
double touch_point(double span, double sag, double slope_over_chord);

// What the user can change, by the side the line touches on.
struct TouchAdvice {
    const char* behind_near;
    const char* beyond_far;
};

// True (after the error, shown also while quiet) when the touch point lies
// outside the span: no such sighting can be taken on the real cable.
// Otherwise the run keeps the touch point and the advice, for its band.
bool refuse_touch_outside_span(CalcContext& context, RunValues& run, double touch, const TouchAdvice& advice);

}  // namespace vortan
