#include "setup/vertical_circle.h"

#include "diagram/span_diagram.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace vortan {

void choose_one_vertical_circle(Form& setup) {
    const VerticalCircle used = vertical_circle(setup);
    const char* chosen = used == VerticalCircle::Altitude ? "Altitude_RadioButton"
                         : used == VerticalCircle::Nadir  ? "Nadir_RadioButton"
                                                          : "Zenith_RadioButton";
    for (const char* button : Circle_Buttons) setup.set_checked(button, std::string(button) == chosen);
}

namespace {

// The drawing in design pixels: two circles side by side under a title.
constexpr double Radius = 40;
constexpr double Centre_Y = 86;
constexpr double Face_Left_X = 75;
constexpr double Face_Right_X = 225;
constexpr double Label_Gap = 5;

// Where a reading lies on face left, as an angle counter-clockwise from the
// level telescope (degrees): each circle has its zero and its sense.
double face_left_angle(VerticalCircle circle, double reading) {
    switch (circle) {
    case VerticalCircle::Zenith: return 90 - reading;
    case VerticalCircle::Nadir: return reading - 90;
    default: return reading;
    }
}

struct Point {
    double x;
    double y;
};

// Design pixels, y down, to the normalised coordinates of the shapes.
std::string at(Point p) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f %.4f", p.x / Diagram_Design_Width, p.y / Diagram_Design_Height);
    return text;
}

Point on_circle(double centre_x, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {centre_x + radius * std::cos(a), Centre_Y - radius * std::sin(a)};
}

std::string arc(const char* style, double centre_x, double from, double to) {
    std::string line = std::string("line ") + style;
    for (double d = from; d <= to + 1e-9; d += 5) line += " " + at(on_circle(centre_x, Radius, d));
    return line;
}

// One face: the circle, ticks every 30 degrees, the four readings on the axes
// and the level telescope. Face right is face left seen transited: mirrored.
void add_face(std::vector<std::string>& shapes, VerticalCircle circle, double centre_x, bool face_left) {
    shapes.push_back(arc("station", centre_x, 0, 360));
    if (face_left) shapes.push_back(arc("cable", centre_x, -90, 90));
    for (int tick = 0; tick < 360; tick += 30)
        shapes.push_back("line station " + at(on_circle(centre_x, Radius - 4, tick)) + " " +
                         at(on_circle(centre_x, Radius, tick)));
    shapes.push_back("line sight " + at({centre_x, Centre_Y}) + " " + at({centre_x + Radius - 6, Centre_Y}));
    shapes.push_back("mark station " + at({centre_x, Centre_Y}));
    for (int reading = 0; reading < 360; reading += 90) {
        const double left = face_left_angle(circle, reading);
        const double angle = face_left ? left : 180 - left;
        const Point p = on_circle(centre_x, Radius + Label_Gap, angle);
        const double across = std::cos(angle * std::numbers::pi / 180);
        const char* anchor = across > 0.5 ? "left" : across < -0.5 ? "right" : "centre";
        const double shift = std::sin(angle * std::numbers::pi / 180) > 0.5 ? -5 : 0;  // clear the tick above
        shapes.push_back(std::string("text ") + anchor + " " + at({p.x, p.y + shift}) + " " +
                         std::to_string(reading) + "\xC2\xB0");
    }
}

const char* circle_name(VerticalCircle circle) {
    switch (circle) {
    case VerticalCircle::Altitude: return "Altitude";
    case VerticalCircle::Nadir: return "Nadir";
    default: return "Zenith";
    }
}

}  // namespace

std::vector<std::string> circle_graduation_shapes(VerticalCircle circle) {
    std::vector<std::string> shapes;
    add_face(shapes, circle, Face_Left_X, true);
    add_face(shapes, circle, Face_Right_X, false);
    shapes.push_back(std::string("text centre ") + at({150, 14}) + " " + circle_name(circle));
    shapes.push_back("text centre " + at({Face_Left_X, 160}) + " Face Left: readings used");
    shapes.push_back("text centre " + at({Face_Right_X, 160}) + " Face Right");
    return shapes;
}

}  // namespace vortan
