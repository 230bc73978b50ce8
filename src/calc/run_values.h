// What the calculation run hands to a survey method, and what the method hands back.
#pragma once

#include "calc/number_text.h"
#include "calc/precision/band.h"
#include "calc/span_sketch.h"

#include <optional>

namespace vortan {

struct TouchAdvice;  // calc/sight_line_touch.h

struct RunValues {
    double span_length = 0;   // L, in the length unit in force
    double required_sag = 0;  // D, in the length unit in force; 0 when checking a sag
    // w in N/m, always from the metric mass of the code-name record so that
    // imperial runs give the same physical answer; 0 when no record matches.
    double unit_weight = 0;
    bool mass_readable = true;  // false when the code-name record's mass is not a number
    bool sagging = true;        // sag mode item 0 ("Sag Cable"); any other item checks a sag
    double actual_sag = 0;      // S, set by the method when checking a sag
    SpanSketch sketch;          // what the method observed, for the span diagram
    double horizontal_tension = 0;  // H in kN, set by the dynamometer methods
    // Where the method's sight line touches the cable, from the near support,
    // and what the user can change when it touches too near a support.
    std::optional<double> touch;
    const TouchAdvice* touch_advice = nullptr;
    std::optional<ResultBand> band;  // set once a successful run has worked it out

    // The sag the run set out (sagging) or found (checking).
    double sag() const { return sagging ? required_sag : actual_sag; }
};

// w from a code-name record's metric mass in kg/km as read (Abort_Value when
// it is no number), for the window's run and a stored record's alike.
inline void weigh_cable(RunValues& run, double mass) {
    constexpr double Gravity = 9.81;
    run.mass_readable = mass != Abort_Value;
    run.unit_weight = run.mass_readable ? Gravity * mass / 1000 : 0;
}

}  // namespace vortan
