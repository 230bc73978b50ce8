// The stringing chart of one conductor in one tension section: the sag and
// horizontal tension of each span at each chart temperature, in the initial
// state (a new conductor, before creep) and the final state (after creep).
#pragma once

#include "stringing/change_of_state.h"
#include "stringing/conductor.h"

#include <vector>

namespace vortan::stringing {

enum class CableAge { Initial, Final };

// The condition the section is designed to: a horizontal tension, or a
// percentage of the rated tensile strength, at a temperature, with optional
// wind and ice loads, in either state. Creep is an equivalent temperature
// difference: the final state at t behaves as the initial state at t + creep.
struct DesignCondition {
    enum class Tension { Newtons, Percent_Of_Rated_Strength };
    Tension tension_kind = Tension::Newtons;
    double tension = 0;           // N, or % of the rated tensile strength
    double temperature_c = 0;
    double wind_n_per_m = 0;
    double ice_n_per_m = 0;
    double creep_c = 0;
    CableAge age = CableAge::Final;
};

struct ChartPoint {
    double temperature_c = 0;
    CableAge age = CableAge::Initial;
    double tension_n = 0;          // horizontal tension, the same in every span
    std::vector<double> sag_m;     // parabolic sag, one per span
    std::vector<double> catenary_sag_m;
};

struct StringingChart {
    double ruling_span_m = 0;
    double design_tension_n = 0;   // horizontal tension of the design condition
    std::vector<ChartPoint> points;  // for each temperature, initial then final
};

// Temperatures from `from` to `to` (inclusive, when reached) in `step`s; none
// for a step that is not positive or a range that is empty.
std::vector<double> chart_temperatures(double from_c, double to_c, double step_c);

// The chart; empty (no points) when the conductor is incomplete, a span length
// is not positive or the design tension is not positive.
StringingChart stringing_chart(const Conductor& conductor, const std::vector<double>& span_lengths_m,
                               const DesignCondition& design, const std::vector<double>& temperatures_c);

// Does the catenary sag differ from the parabolic one by more than 0.3 %?
bool catenary_differs(double parabolic_m, double catenary_m);

}  // namespace vortan::stringing
