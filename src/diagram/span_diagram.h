// The span diagram: the elevation of one span with its cable at the sag the
// run found, and what the survey method observed, laid out for drawing.
//
// The drawing is a list of text lines, one shape each, so the core decides
// everything and a view only paints. Coordinates are normalised to [0,1] over
// the drawing area, x to the right and y DOWN; numbers have 4 decimals and a
// '.' whatever the locale:
//
//   line <style> x1 y1 x2 y2 [x3 y3 ...]   a polyline
//   mark <style> x y                       a symbol at a point
//   text <anchor> x y <text to end of line> anchor: left, centre or right of
//                                          the text at x; y is its middle
//
// Styles: cable, support, ground, sight, stick, station, low_point, chord.
// Shapes come in drawing order, later ones over earlier ones.
#pragma once

#include "calc/span_sketch.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan {

// The drawing area the shapes are laid out for, in pixels at the design font:
// texts take a line of about Diagram_Text_Line of its height.
constexpr double Diagram_Design_Width = 300;
constexpr double Diagram_Design_Height = 170;
constexpr double Diagram_Text_Line = 14;

struct SpanDiagram {
    double span = 0;
    double sag = 0;
    bool sagging = true;  // the sag is the one to set out, not one measured
    SpanPoint near_support;
    SpanPoint far_support;
    std::vector<SpanPoint> cable;        // from the near attachment to the far one
    std::optional<SpanPoint> low_point;  // only when it falls inside the span
    SpanSketch sketch;
    // Enclose everything drawn; min_y is the ground line the supports stand on.
    double min_x = 0;
    double max_x = 0;
    double min_y = 0;
    double max_y = 0;
};

// Height of the cable over the near attachment at x, for a parabola through
// (0, 0) and (span, rise) that hangs sag below the chord at mid-span.
double parabola_height(double span, double sag, double rise, double x);

// The supports are level when the sketch does not know the rise.
SpanDiagram span_diagram(double span, double sag, bool sagging, const SpanSketch& sketch);

// The factor (1, 2, 5, 10, 20, 50, ...) heights are stretched by to fill a
// drawing area of width x height design pixels; 1 when true scale fills it.
int vertical_exaggeration(const SpanDiagram& diagram, double width, double height);

// Empty when anything in the diagram is not finite, or the span or sag is not
// positive: there is nothing sensible to draw.
std::vector<std::string> diagram_shapes(const SpanDiagram& diagram, double width, double height,
                                        const std::string& length_unit);

}  // namespace vortan
