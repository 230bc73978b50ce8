// The notes a band adds beside a run's results: what an observation must be
// taken to for the sag to hold the tolerance, and where a sight line touches
// too near a support to control the sag well.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

#include <string>
#include <vector>

namespace vortan {

// A touch point outside the middle half of the span controls the sag less
// than this (4u(1 - u) for a touch at u of the span).
inline constexpr double Least_Good_Control = 0.75;

double control_factor(double touch_fraction);

// The notes of a successful run of the method on `page` with its band.
std::vector<std::string> precision_notes(const CalcContext& context, const RunValues& run, int page,
                                         double tolerance_percent);

}  // namespace vortan
