// The graduation drawings: each reading where its circle has it on both faces,
// the circles round on the design area, the accepted half toward the target.
#include "setup/circle_graduation.h"

#include "diagram/span_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace vortan {
namespace {

struct Shape {
    std::string kind, style, text;
    std::vector<double> x, y;  // design pixels
};

Shape parse(const std::string& line) {
    std::istringstream in(line);
    Shape shape;
    in >> shape.kind >> shape.style;
    const int points = shape.kind == "line" ? 1000 : 1;
    std::string x, y;
    for (int i = 0; i < points && in >> x >> y; ++i) {
        const double nx = std::stod(x), ny = std::stod(y);
        EXPECT_TRUE(std::isfinite(nx) && std::isfinite(ny) && nx >= 0 && nx <= 1 && ny >= 0 && ny <= 1) << line;
        shape.x.push_back(nx * Diagram_Design_Width);
        shape.y.push_back(ny * Diagram_Design_Height);
    }
    if (shape.kind == "text") std::getline(in >> std::ws, shape.text);
    EXPECT_TRUE(shape.kind == "line" ? shape.x.size() >= 2 : shape.x.size() == 1) << line;
    return shape;
}

double middle(const std::vector<double>& values) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return (*least + *most) / 2;
}

TEST(CircleGraduation, ReadingsSitWhereEachCircleHasThem) {
    struct Case {
        VerticalCircle circle;
        std::array<const char*, 4> face_left, face_right;  // top, right, bottom, left
    };
    const Case cases[] = {
        {VerticalCircle::Zenith, {"0", "90", "180", "270"}, {"0", "270", "180", "90"}},
        {VerticalCircle::Altitude, {"90", "0", "270", "180"}, {"90", "180", "270", "0"}},
        {VerticalCircle::Nadir, {"180", "90", "0", "270"}, {"180", "270", "0", "90"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.circle));
        std::array<std::vector<Shape>, 2> readings;  // of face left, face right
        std::vector<Shape> circles, accepted;
        for (const std::string& line : circle_graduation_shapes(c.circle)) {
            const Shape shape = parse(line);
            if (shape.kind == "text" && shape.text.find("\xC2\xB0") != std::string::npos)
                readings[shape.x[0] < Diagram_Design_Width / 2 ? 0 : 1].push_back(shape);
            if (shape.kind == "line" && shape.x.size() > 36)
                (shape.style == "cable" ? accepted : circles).push_back(shape);
        }
        ASSERT_EQ(circles.size(), 2u);
        ASSERT_EQ(accepted.size(), 1u);
        for (int face = 0; face < 2; ++face) {
            // Round where the view draws it, not squashed by the design area.
            const Shape& circle = circles[face];
            const double cx = middle(circle.x), cy = middle(circle.y);
            std::vector<double> radii;
            for (size_t i = 0; i < circle.x.size(); ++i) radii.push_back(std::hypot(circle.x[i] - cx, circle.y[i] - cy));
            EXPECT_LT(*std::max_element(radii.begin(), radii.end()) / *std::min_element(radii.begin(), radii.end()), 1.02);
            // The reading farthest up, right, down and left of the centre.
            ASSERT_EQ(readings[face].size(), 4u);
            const std::array<double, 4> ux = {0, 1, 0, -1}, uy = {-1, 0, 1, 0};
            const auto& expected = face == 0 ? c.face_left : c.face_right;
            for (int place = 0; place < 4; ++place) {
                const auto at = std::max_element(readings[face].begin(), readings[face].end(), [&](const Shape& a, const Shape& b) {
                    return (a.x[0] - cx) * ux[place] + (a.y[0] - cy) * uy[place] < (b.x[0] - cx) * ux[place] + (b.y[0] - cy) * uy[place];
                });
                EXPECT_EQ(at->text, std::string(expected[place]) + "\xC2\xB0") << "face " << face << " place " << place;
            }
            // Face left's half toward the target holds the readings accepted.
            if (face == 0) {
                for (double x : accepted[0].x) EXPECT_GE(x, cx - 0.5);
            }
        }
    }
}

}  // namespace
}  // namespace vortan
