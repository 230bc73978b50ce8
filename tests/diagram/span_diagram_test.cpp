// The span diagram's geometry, worked by hand, and the shapes it is drawn from.
#include "diagram/span_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <sstream>

using namespace vortan;

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

SpanSketch rising(double rise, bool known = true) { return {known, rise, {}, {}, {}}; }

std::vector<std::string> shapes_of(const SpanDiagram& diagram, double width = 300, double height = 170) {
    return diagram_shapes(diagram, width, height, "m");
}

// The (x, y) pairs of a line or mark, or a text's position.
std::vector<std::pair<double, double>> points_of(const std::string& shape) {
    std::istringstream in(shape);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    const size_t end = words[0] == "text" ? 4 : words.size();
    std::vector<std::pair<double, double>> points;
    for (size_t i = 2; i + 1 < end; i += 2) {
        double x = Nan, y = Nan;  // from_chars: the C locale cannot slip in here
        std::from_chars(words[i].data(), words[i].data() + words[i].size(), x);
        std::from_chars(words[i + 1].data(), words[i + 1].data() + words[i + 1].size(), y);
        points.emplace_back(x, y);
    }
    return points;
}

std::vector<std::string> starting(const std::vector<std::string>& shapes, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& shape : shapes)
        if (shape.rfind(prefix, 0) == 0) found.push_back(shape);
    return found;
}

bool has_text(const std::vector<std::string>& shapes, const std::string& text) {
    for (const std::string& shape : starting(shapes, "text "))
        if (shape.ends_with(" " + text)) return true;
    return false;
}

}  // namespace

TEST(SpanDiagram, LowPointAndSupports) {
    EXPECT_NEAR(parabola_height(300, 6, 0, 75), -4.5, 1e-12);  // 4*6*75*225/90000
    struct Case {
        const char* name;
        SpanSketch sketch;
        bool inside;
        double low_x, low_y, far_y;
    };
    const Case cases[] = {
        {"level", rising(0, false), true, 150, -6, 0},
        // 150 - 8*300/48 = 100; 8*100/300 - 4*6*100*200/90000 = 8/3 - 16/3
        {"rising 8", rising(8), true, 100, -8.0 / 3, 8},
        // 150 + 50 = 200; -8*200/300 - 4*6*200*100/90000 = -16/3 - 16/3
        {"falling 8", rising(-8), true, 200, -32.0 / 3, -8},
        {"rising 30 hangs lowest at the near support", rising(30), false, 0, 0, 30},
        {"an unknown rise is drawn level", rising(30, false), true, 150, -6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SpanDiagram d = span_diagram(300, 6, true, c.sketch);
        EXPECT_EQ(d.far_support, (SpanPoint{300, c.far_y}));
        ASSERT_GE(d.cable.size(), 2u);
        EXPECT_EQ(d.cable.front(), (SpanPoint{0, 0}));
        EXPECT_EQ(d.cable.back(), d.far_support);
        ASSERT_EQ(d.low_point.has_value(), c.inside);
        if (c.inside) {
            EXPECT_NEAR(d.low_point->x, c.low_x, 1e-9);
            EXPECT_NEAR(d.low_point->y, c.low_y, 1e-9);
        }
        for (SpanPoint p : d.cable) EXPECT_GE(p.y, (c.inside ? c.low_y : 0) - 1e-9);
    }
}

TEST(SpanDiagram, ExaggerationFillsTheAreaWithoutOverflow) {
    struct Case {
        const char* name;
        double span, sag;
        SpanSketch sketch;
        double width;
        int expected;
    };
    const Case cases[] = {
        {"ordinary span", 300, 6, rising(0, false), 300, 10},
        {"ordinary span, rise known", 300, 6, rising(0), 300, 10},
        {"a wider area needs less", 300, 6, rising(0, false), 600, 5},
        {"long flat span", 1000, 0.5, rising(0, false), 300, 500},
        {"steep span is tall enough", 50, 2, rising(100), 300, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SpanDiagram d = span_diagram(c.span, c.sag, true, c.sketch);
        EXPECT_EQ(vertical_exaggeration(d, c.width, 170), c.expected);
        const auto shapes = shapes_of(d, c.width, 170);
        EXPECT_TRUE(has_text(shapes, c.expected == 1 ? "True scale" : "Vertical scale x " + std::to_string(c.expected)));

        // Clear of the edges (coordinates are clamped, so [0,1] alone proves
        // nothing) and of the texts above and below.
        double top = 1, bottom = 0, above = 0, below = 1;
        for (const std::string& shape : shapes)
            for (auto [x, y] : points_of(shape)) {
                EXPECT_TRUE(x > 0.01 && x < 0.99 && y > 0.02 && y < 0.98) << shape;
                if (shape.rfind("text", 0) != 0) top = std::min(top, y), bottom = std::max(bottom, y);
            }
        for (const std::string& text : starting(shapes, "text ")) {
            const double y = points_of(text)[0].second;
            EXPECT_TRUE(y < top || y > bottom) << text;
            (y < top ? above : below) = y;
        }
        // Stretched by 1, 2, 5, 10, ... it fills at least 2/5 of its room.
        if (c.expected > 1) {
            EXPECT_GT(bottom - top, 0.4 * (below - above));
        }
    }
}

TEST(SpanDiagram, ShapesDrawTheSpanAndSayWhatItIs) {
    SpanSketch sketch;
    sketch.stations = {{-30, 0}, {330, 0}};
    sketch.sights = {{{-30, 1.5}, {150, -6}}};
    sketch.sticks = {{{200, -8}, {200, -5}}};
    const SpanDiagram d = span_diagram(300, 6, true, sketch);
    EXPECT_TRUE(d.min_x <= -30 && d.max_x >= 330 && d.max_y >= 1.5);
    EXPECT_LT(d.min_y, -8);  // the ground is below the lowest item, so supports show as posts

    const auto shapes = shapes_of(d);
    EXPECT_TRUE(has_text(shapes, "Required sag 6.00 m"));
    EXPECT_TRUE(has_text(shapes, "Vertical scale x 10"));
    EXPECT_TRUE(has_text(shapes, "Supports drawn level: their heights are not observed"));
    EXPECT_EQ(starting(shapes, "line support ").size(), 2u);
    EXPECT_EQ(starting(shapes, "mark station ").size(), 2u);
    // The low point mark sits at the lowest (largest y down) point of the cable.
    const auto low = starting(shapes, "mark low_point ");
    const auto cable = starting(shapes, "line cable ");
    ASSERT_TRUE(low.size() == 1 && cable.size() == 1);
    const auto points = points_of(cable[0]);
    const auto deepest = *std::max_element(points.begin(), points.end(), [](auto a, auto b) { return a.second < b.second; });
    EXPECT_NEAR(points_of(low[0])[0].first, deepest.first, 1e-3);
    EXPECT_NEAR(points_of(low[0])[0].second, deepest.second, 1e-3);

    const auto checking = diagram_shapes(span_diagram(300, 6, false, rising(30)), 300, 170, "ft");
    EXPECT_TRUE(has_text(checking, "Actual sag 6.00 ft"));
    EXPECT_FALSE(has_text(checking, "Supports drawn level: their heights are not observed"));
    EXPECT_TRUE(starting(checking, "mark low_point ").empty());
}

TEST(SpanDiagram, NothingToDrawFromBadInput) {
    SpanSketch lost_station = rising(8), endless_sight = rising(0, false);
    lost_station.stations = {{Nan, 0}};
    endless_sight.sights = {{{0, 0}, {0, -Inf}}};
    const struct {
        double span, sag;
        SpanSketch sketch;
    } cases[] = {
        {Nan, 6, {}}, {Inf, 6, {}}, {0, 6, {}}, {-300, 6, {}}, {1e300, 6, {}},
        {300, Nan, {}}, {300, Inf, {}}, {300, 0, {}}, {300, -6, {}},
        {300, 6, rising(Nan)}, {300, 6, rising(Inf)}, {300, 6, lost_station}, {300, 6, endless_sight},
    };
    for (const auto& c : cases) {
        const SpanDiagram d = span_diagram(c.span, c.sag, true, c.sketch);
        EXPECT_TRUE(shapes_of(d).empty()) << c.span << " " << c.sag;
        EXPECT_EQ(vertical_exaggeration(d, 300, 170), 1);
    }
    const SpanDiagram good = span_diagram(300, 6, true, {});
    for (auto [w, h] : {std::pair{0.0, 170.0}, {300.0, Nan}, {Inf, 170.0}, {300.0, 10.0}})
        EXPECT_TRUE(shapes_of(good, w, h).empty()) << w << "x" << h;
    // Extreme but finite: drawn or not, never a NaN or an infinity in the text.
    for (auto [span, sag] : {std::pair{1e-300, 1e-300}, {1e300, 1e300}, {1.0, 1e-300}, {1e-300, 1.0}})
        for (const std::string& shape : shapes_of(span_diagram(span, sag, true, rising(sag))))
            EXPECT_TRUE(shape.find("nan") == std::string::npos && shape.find("inf") == std::string::npos) << shape;
}

TEST(SpanDiagram, ShapesDoNotFollowTheNumericLocale) {
    const SpanDiagram d = span_diagram(300, 6.25, true, rising(8));
    const auto plain = shapes_of(d);
    const std::string was = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no locale with a decimal comma";
    const auto german = shapes_of(d);
    std::setlocale(LC_NUMERIC, was.c_str());
    EXPECT_EQ(german, plain);
    EXPECT_TRUE(has_text(german, "Required sag 6.25 m"));
}
