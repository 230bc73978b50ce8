#include "setup/circle_graduation.h"

#include "diagram/span_diagram.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace vortan {

namespace {

// In design pixels (y down). The readings left and right of a circle need
// about 30 pixels of the 150 each face has.
constexpr double Radius = 36;
constexpr double Centre_Y = 62;
constexpr double Face_Left_X = 75;
constexpr double Face_Right_X = 225;
constexpr double Label_Gap = 4;
constexpr double Half_Text_Line = Diagram_Text_Line / 2;
constexpr double Tick_Length = 4;
constexpr double Caption_Y = 134;
constexpr double Key_Y = 152;

struct Point {
    double x;
    double y;
};

// Fixed decimals with a '.', whatever the locale the program runs in.
std::string coordinate(double value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::clamp(value, 0.0, 1.0) + 0.0,
                                   std::chars_format::fixed, 4).ptr;
    return std::string(buffer, end);
}

std::string at(Point p) {
    return " " + coordinate(p.x / Diagram_Design_Width) + " " + coordinate(p.y / Diagram_Design_Height);
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// Degrees counter-clockwise from the level telescope.
Point on_circle(double centre_x, double radius, double degrees) {
    return {centre_x + radius * std::cos(radians(degrees)), Centre_Y - radius * std::sin(radians(degrees))};
}

// Where a reading lies on face left: each circle has its own zero and sense.
double face_left_angle(VerticalCircle circle, int reading) {
    switch (circle) {
    case VerticalCircle::Zenith: return 90 - reading;
    case VerticalCircle::Nadir: return reading - 90;
    default: return reading;
    }
}

std::string arc(const char* style, double centre_x, double from, double to) {
    std::string line = std::string("line ") + style;
    for (double degrees = from; degrees <= to + 1e-9; degrees += 5) line += at(on_circle(centre_x, Radius, degrees));
    return line;
}

std::string segment(const char* style, Point from, Point to) { return std::string("line ") + style + at(from) + at(to); }

// One face: the circle with a tick every 30 degrees, the telescope and the
// readings on the four axes. Face right is face left transited: mirrored.
void add_face(std::vector<std::string>& shapes, VerticalCircle circle, double centre_x, bool face_left) {
    shapes.push_back(arc("station", centre_x, 0, 360));
    if (face_left) shapes.push_back(arc("cable", centre_x, -90, 90));
    for (int tick = 0; tick < 360; tick += 30)
        shapes.push_back(segment("station", on_circle(centre_x, Radius - Tick_Length, tick), on_circle(centre_x, Radius, tick)));
    const Point centre{centre_x, Centre_Y};
    const Point tip{centre_x + Radius - 2 * Tick_Length, Centre_Y};
    shapes.push_back(segment("sight", centre, tip));
    shapes.push_back(segment("sight", {tip.x - 5, tip.y - 3}, tip));
    shapes.push_back(segment("sight", {tip.x - 5, tip.y + 3}, tip));
    shapes.push_back("mark station" + at(centre));
    for (int reading = 0; reading < 360; reading += 90) {
        const double angle = face_left ? face_left_angle(circle, reading) : 180 - face_left_angle(circle, reading);
        const double across = std::cos(radians(angle));
        const double up = std::sin(radians(angle));
        const char* anchor = across > 0.5 ? "left" : across < -0.5 ? "right" : "centre";
        Point label = on_circle(centre_x, Radius + Label_Gap, angle);
        label.y -= up * Half_Text_Line;  // a text's y is its middle
        shapes.push_back(std::string("text ") + anchor + at(label) + " " + std::to_string(reading) + "\xC2\xB0");
    }
}

}  // namespace

std::vector<std::string> circle_graduation_shapes(VerticalCircle circle) {
    std::vector<std::string> shapes;
    add_face(shapes, circle, Face_Left_X, true);
    add_face(shapes, circle, Face_Right_X, false);
    shapes.push_back("text centre" + at({Face_Left_X, Caption_Y}) + " Face Left");
    shapes.push_back("text centre" + at({Face_Right_X, Caption_Y}) + " Face Right");
    shapes.push_back(segment("cable", {Face_Left_X - 48, Key_Y}, {Face_Left_X - 34, Key_Y}));
    shapes.push_back("text left" + at({Face_Left_X - 28, Key_Y}) + " readings used");
    return shapes;
}

}  // namespace vortan
