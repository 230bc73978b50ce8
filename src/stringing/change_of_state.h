// The change-of-state equation of a cable over its ruling span, in parabolic
// form: from a known state (horizontal tension H1 at temperature t1 under a
// load w1 per metre) the horizontal tension H2 at t2 under w2 solves
//
//   H2 - H1 + E·A·α·(t2 - t1) + E·A·S²/24 · (w1²/H1² - w2²/H2²) = 0,
//
// a cubic in H2 with exactly one positive root.
#pragma once

#include "stringing/conductor.h"

namespace vortan::stringing {

struct CableState {
    double tension_n = 0;       // horizontal tension
    double temperature_c = 0;
    double load_n_per_m = 0;    // resultant load per metre: weight, ice, wind
};

// The horizontal tension at `temperature_c` under `load_n_per_m`, reached from
// `known` over a ruling span of `ruling_span_m`. The conductor must be complete.
double tension_after_change(const Conductor& conductor, double ruling_span_m, const CableState& known,
                            double temperature_c, double load_n_per_m);

// The resultant load per metre of a conductor with ice (vertical, N/m) and
// wind (horizontal, N/m) on it.
double resultant_load(double weight_n_per_m, double ice_n_per_m, double wind_n_per_m);

// Sag at mid-span of a level span of length L under horizontal tension H and
// load w per metre: the parabola w·L²/(8·H), and the exact catenary
// H/w·(cosh(w·L/(2·H)) - 1).
double parabolic_sag(double length_m, double tension_n, double load_n_per_m);
double catenary_sag(double length_m, double tension_n, double load_n_per_m);

// √(ΣL³ / ΣL) over the spans of a tension section; 0 without spans.
double ruling_span(const double* lengths_m, int count);

}  // namespace vortan::stringing
