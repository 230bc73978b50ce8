#include "diagram/span_diagram.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vortan {

namespace {

constexpr int Cable_Segments = 64;
constexpr double Margin = 8;    // design pixels kept clear at every edge
constexpr double Text_Gap = 4;  // between a line of text and the drawing
// The ground sits this share of the drawing's height below its lowest item,
// so a support always shows as a post rather than a dot.
constexpr double Ground_Clearance = 0.25;
constexpr std::array<int, 16> Exaggerations = {1,    2,    5,     10,    20,    50,    100,   200,
                                               500,  1000, 2000,  5000,  10000, 20000, 50000, 100000};

bool positive(double value) { return std::isfinite(value) && value > 0; }
bool finite(SpanPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }

template <class Visit>
void for_each_point(const SpanSketch& sketch, Visit visit) {
    for (const SketchLine& line : sketch.sights) visit(line.from), visit(line.to);
    for (const SketchLine& line : sketch.sticks) visit(line.from), visit(line.to);
    for (SpanPoint station : sketch.stations) visit(station);
}

template <class Visit>
void for_each_point(const SpanDiagram& diagram, Visit visit) {
    visit(diagram.near_support);
    visit(diagram.far_support);
    for (SpanPoint point : diagram.cable) visit(point);
    if (diagram.low_point) visit(*diagram.low_point);
    for_each_point(diagram.sketch, visit);
}

// The vertex of the parabola, which is the lowest point only when it falls
// between the supports: a steep span hangs lowest at its lower support.
std::optional<SpanPoint> low_point(double span, double sag, double rise) {
    if (std::abs(rise) >= 4 * sag) return std::nullopt;
    const double x = span / 2 - rise * span / (8 * sag);
    return SpanPoint{x, parabola_height(span, sag, rise, x)};
}

void enclose(SpanDiagram& diagram) {
    diagram.min_x = diagram.max_x = 0;
    diagram.min_y = diagram.max_y = 0;
    for_each_point(diagram, [&](SpanPoint p) {
        diagram.min_x = std::min(diagram.min_x, p.x);
        diagram.max_x = std::max(diagram.max_x, p.x);
        diagram.min_y = std::min(diagram.min_y, p.y);
        diagram.max_y = std::max(diagram.max_y, p.y);
    });
    diagram.min_y -= Ground_Clearance * std::max(diagram.max_y - diagram.min_y, diagram.sag);
}

// Bounds are checked as well as points: std::min lets a NaN slip past.
bool drawable(const SpanDiagram& d) {
    if (!positive(d.span) || !positive(d.sag) || d.cable.empty()) return false;
    if (d.sketch.rise_known && !std::isfinite(d.sketch.rise)) return false;
    bool all_finite = true;
    for_each_point(d, [&](SpanPoint p) { all_finite = all_finite && finite(p); });
    return all_finite && positive(d.max_x - d.min_x) && positive(d.max_y - d.min_y);
}

// The room left for the drawing by the margins and the lines of text.
struct Band {
    double left, top, width, height;
};

Band drawing_band(const SpanDiagram& diagram, double width, double height) {
    const double top = Margin + Diagram_Text_Line + Text_Gap;
    const double bottom = Margin + (diagram.sketch.rise_known ? 0 : Diagram_Text_Line + Text_Gap);
    return {Margin, top, width - 2 * Margin, height - top - bottom};
}

bool has_room(const Band& band) { return positive(band.width) && positive(band.height); }

int exaggeration_in(const SpanDiagram& d, const Band& band) {
    const double true_height = band.width / (d.max_x - d.min_x) * (d.max_y - d.min_y);
    const double room = band.height / true_height;
    int chosen = Exaggerations.front();
    for (int factor : Exaggerations)
        if (factor <= room) chosen = factor;
    return chosen;
}

// Where the diagram's bounds go in the drawing area, in design pixels.
struct Frame {
    double width, height;     // of the drawing area
    double left, top;         // of the bounds
    double scale_x, scale_y;  // pixels per length unit
    int exaggeration;
};

Frame frame_for(const SpanDiagram& d, double width, double height) {
    const Band band = drawing_band(d, width, height);
    const int exaggeration = exaggeration_in(d, band);
    const double extent_x = d.max_x - d.min_x;
    const double extent_y = d.max_y - d.min_y;
    // Too tall even at true scale: the height sets the scale instead.
    const double scale_x = std::min(band.width / extent_x, band.height / (exaggeration * extent_y));
    const double scale_y = exaggeration * scale_x;
    return {width,
            height,
            band.left + (band.width - extent_x * scale_x) / 2,
            band.top + (band.height - extent_y * scale_y) / 2,
            scale_x,
            scale_y,
            exaggeration};
}

std::string fixed(double value, int decimals) {
    char buffer[512];  // the widest double in fixed notation fits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("?");
}

// Rounding must not step outside the drawing area, nor write "-0.0000".
std::string coordinate(double value) { return fixed(std::clamp(value, 0.0, 1.0) + 0.0, 4); }

// A text runs to the end of its line: no line break may end it early.
std::string one_line(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    return text;
}

class ShapeWriter {
public:
    ShapeWriter(const SpanDiagram& diagram, const Frame& frame) : diagram_(diagram), frame_(frame) {}

    void line(const char* style, const std::vector<SpanPoint>& points) {
        std::string shape = std::string("line ") + style;
        for (SpanPoint point : points) shape += at(point);
        shapes_.push_back(shape);
    }
    void line(const char* style, SpanPoint from, SpanPoint to) { line(style, std::vector{from, to}); }
    void mark(const char* style, SpanPoint point) { shapes_.push_back(std::string("mark ") + style + at(point)); }
    // At normalised coordinates: texts keep to the edges, not to the span.
    void text(const char* anchor, double x, double y, const std::string& text) {
        shapes_.push_back(std::string("text ") + anchor + ' ' + coordinate(x) + ' ' + coordinate(y) + ' ' +
                          one_line(text));
    }
    std::vector<std::string> take() { return std::move(shapes_); }

private:
    std::string at(SpanPoint p) const {
        const double x = frame_.left + (p.x - diagram_.min_x) * frame_.scale_x;
        const double y = frame_.top + (diagram_.max_y - p.y) * frame_.scale_y;
        return ' ' + coordinate(x / frame_.width) + ' ' + coordinate(y / frame_.height);
    }

    const SpanDiagram& diagram_;
    const Frame& frame_;
    std::vector<std::string> shapes_;
};

void write_span(ShapeWriter& out, const SpanDiagram& d) {
    const double ground = d.min_y;
    out.line("ground", {d.min_x, ground}, {d.max_x, ground});
    out.line("support", {d.near_support.x, ground}, d.near_support);
    out.line("support", {d.far_support.x, ground}, d.far_support);
    out.line("chord", d.near_support, d.far_support);
    // The sag itself: down from the chord at mid-span.
    const SpanPoint middle{(d.near_support.x + d.far_support.x) / 2, (d.near_support.y + d.far_support.y) / 2};
    out.line("chord", middle, {middle.x, middle.y - d.sag});
}

void write_sketch(ShapeWriter& out, const SpanSketch& sketch) {
    for (const SketchLine& sight : sketch.sights) out.line("sight", sight.from, sight.to);
    for (const SketchLine& stick : sketch.sticks) out.line("stick", stick.from, stick.to);
}

void write_marks(ShapeWriter& out, const SpanDiagram& d) {
    for (SpanPoint station : d.sketch.stations) out.mark("station", station);
    if (d.low_point) out.mark("low_point", *d.low_point);
}

void write_texts(ShapeWriter& out, const Frame& frame, const SpanDiagram& d, const std::string& unit) {
    const double top = (Margin + Diagram_Text_Line / 2) / frame.height;
    const std::string sag = fixed(d.sag, 2) + (unit.empty() ? "" : " " + unit);
    out.text("left", Margin / frame.width, top, (d.sagging ? "Required sag " : "Actual sag ") + sag);
    out.text("right", 1 - Margin / frame.width, top,
             frame.exaggeration == 1 ? std::string("True scale")
                                     : "Vertical scale x " + std::to_string(frame.exaggeration));
    if (!d.sketch.rise_known)
        out.text("centre", 0.5, 1 - (Margin + Diagram_Text_Line / 2) / frame.height,
                 "Supports drawn level: their heights are not observed");
}

}  // namespace

double parabola_height(double span, double sag, double rise, double x) {
    return rise * x / span - 4 * sag * x * (span - x) / (span * span);
}

SpanDiagram span_diagram(double span, double sag, bool sagging, const SpanSketch& sketch) {
    SpanDiagram diagram;
    diagram.span = span;
    diagram.sag = sag;
    diagram.sagging = sagging;
    diagram.sketch = sketch;
    if (!positive(span) || !positive(sag)) return diagram;  // no cable: nothing to draw
    const double rise = sketch.rise_or_level();
    diagram.far_support = {span, rise};
    for (int i = 0; i < Cable_Segments; ++i) {
        const double x = span * i / Cable_Segments;
        diagram.cable.push_back({x, parabola_height(span, sag, rise, x)});
    }
    diagram.cable.push_back(diagram.far_support);
    diagram.low_point = low_point(span, sag, rise);
    enclose(diagram);
    return diagram;
}

int vertical_exaggeration(const SpanDiagram& diagram, double width, double height) {
    const Band band = drawing_band(diagram, width, height);
    if (!drawable(diagram) || !has_room(band)) return 1;
    return exaggeration_in(diagram, band);
}

std::vector<std::string> diagram_shapes(const SpanDiagram& diagram, double width, double height,
                                        const std::string& length_unit) {
    if (!drawable(diagram) || !has_room(drawing_band(diagram, width, height))) return {};
    const Frame frame = frame_for(diagram, width, height);
    ShapeWriter out(diagram, frame);
    write_span(out, diagram);
    write_sketch(out, diagram.sketch);
    out.line("cable", diagram.cable);
    write_marks(out, diagram);
    write_texts(out, frame, diagram, length_unit);
    return out.take();
}

}  // namespace vortan
