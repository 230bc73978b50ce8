// Notes a run adds beside its results, for the engineer's judgement; they
// never change a result field.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan {

// Differences of the exact catenary from the parabola that are shown.
inline constexpr double Catenary_Note_Percent = 0.3;

// The mid-span sag, from the chord, of the catenary through two supports rise
// apart in height that has the horizontal tension of the parabola of this sag
// (catenary constant H / w = L^2 / 8D). Nothing for data no catenary fits.
std::optional<double> catenary_sag(double span, double rise, double parabola_sag);

// (catenary sag - parabola sag) / parabola sag, in percent.
std::optional<double> catenary_difference_percent(double span, double rise, double parabola_sag);

// The support-end tension of a level span: T = H + w x sag, in kN for H in
// kN, w in N/m and the sag in metres.
double support_end_tension(double horizontal_tension, double unit_weight, double metric_sag);

// The notes of a successful run, one a line; none when there is nothing to add.
std::vector<std::string> accuracy_notes(const CalcContext& context, const RunValues& run);

}  // namespace vortan
