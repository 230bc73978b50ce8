// How sure a run's sag is: the 95 % band the precision of its readings gives.
#pragma once

#include "calc/precision/instrument_precision.h"

#include <cmath>
#include <optional>
#include <vector>

namespace vortan {

// What one reading's precision does to the result; lengths in the unit in force.
struct ReadingEffect {
    const char* field = "";
    ReadingKind kind = ReadingKind::Exact;
    double precision = 0;  // the reading's 95 % bound, in the field's own unit
    double sag = 0;        // the 95 % change of the sag it causes
    double touch = 0;      // and of the place the sight line touches
    double sensitivity = 0;  // |dSag / dReading|, worked out even for an exact reading
    bool off_span = false;  // changed by its precision, the reading leaves no sighting on the span
};

struct ResultBand {
    double sag = 0;         // the sag the readings give (sagging: the sag the instruction gives)
    double half_width = 0;  // its 95 % half-width, from every reading and the span
    double required_half_width = 0;  // of the required sag, from the cable temperature
    std::optional<double> touch;     // where the sight line touches, from the near support
    double touch_half_width = 0;
    std::vector<ReadingEffect> effects;  // the span's last

    // The band of a difference of the two sags.
    double combined() const { return std::hypot(half_width, required_half_width); }
    bool touch_leaves_span() const {
        for (const ReadingEffect& effect : effects)
            if (effect.off_span) return true;
        return false;
    }
};

}  // namespace vortan
