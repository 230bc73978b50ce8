// What a survey method observed or sets out in the elevation of its span,
// for the span diagram.
#pragma once

#include <vector>

namespace vortan {

// A point of the span's elevation: x along the span from the near support,
// y up from the near support's attachment point, in the run's length unit.
struct SpanPoint {
    double x = 0;
    double y = 0;
    bool operator==(const SpanPoint&) const = default;
};

struct SketchLine {
    SpanPoint from;
    SpanPoint to;
    bool operator==(const SketchLine&) const = default;
};

struct SpanSketch {
    bool rise_known = false;  // false: the method does not know it, the supports are drawn level
    double rise = 0;          // the far attachment over the near one
    std::vector<SketchLine> sights;   // lines of sight: sightboards, telescope, tangent, to the supports
    std::vector<SpanPoint> stations;  // where the instrument (or the observer's eye) stands
    std::vector<SketchLine> sticks;   // a height stick, from the ground up to the cable

    // The rise the cable hangs between: level where the method does not know it.
    double rise_or_level() const { return rise_known ? rise : 0; }
};

}  // namespace vortan
