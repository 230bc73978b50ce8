// The vertical circle on the Theodolite Settings page: always exactly one, and
// each circle's graduation drawn with its readings where the circle has them.
#include "setup/vertical_circle.h"

#include "support/main_window_fixture.h"

#include <cmath>
#include <map>
#include <sstream>

namespace vortan {
namespace {

class VerticalCircleChoice : public testing::MainWindowTest {};

TEST_F(VerticalCircleChoice, TheUserCannotLeaveNoCircleChosen) {
    struct Step {
        const char* name;  // what the user did
        const char* button;
        bool checked;
        VerticalCircle after;
    };
    const Step steps[] = {
        {"clears the Zenith circle that is chosen", "Zenith_RadioButton", false, VerticalCircle::Zenith},
        {"picks Altitude", "Altitude_RadioButton", true, VerticalCircle::Altitude},
        {"picks Nadir", "Nadir_RadioButton", true, VerticalCircle::Nadir},
        {"clears Nadir", "Nadir_RadioButton", false, VerticalCircle::Nadir},
        {"clears Zenith, not chosen", "Zenith_RadioButton", false, VerticalCircle::Nadir},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        setup.form().user_check(step.button, step.checked);
        int chosen = 0;
        for (const char* button : Circle_Buttons) chosen += setup.form().checked(button);
        EXPECT_EQ(chosen, 1);
        EXPECT_EQ(vertical_circle(setup.form()), step.after);
    }
}

// The label a drawing puts at the top, right, bottom and left of each face.
std::map<std::string, std::string> labels_around(const std::vector<std::string>& shapes) {
    const double centres[] = {0.25, 0.75};  // face left, face right
    const char* faces[] = {"left", "right"};
    std::map<std::string, std::string> found;
    for (const std::string& shape : shapes) {
        std::istringstream in(shape);
        std::string kind, anchor, text;
        double x = 0, y = 0;
        in >> kind >> anchor >> x >> y;
        std::getline(in >> std::ws, text);
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y) && x >= 0 && x <= 1 && y >= 0 && y <= 1) << shape;
        if (kind != "text" || text.find('\xC2') == std::string::npos) continue;
        const int face = x < 0.5 ? 0 : 1;
        const double dx = (x - centres[face]) * 300, dy = (y - 86.0 / 170) * 170;
        const char* where = std::fabs(dx) > std::fabs(dy) ? (dx > 0 ? "right" : "left") : (dy < 0 ? "top" : "bottom");
        found[std::string(faces[face]) + " " + where] = text.substr(0, text.find('\xC2'));
    }
    return found;
}

TEST(CircleGraduation, EachFaceShowsTheCirclesReadings) {
    struct Case {
        VerticalCircle circle;
        const char* face_left[4];   // top, right, bottom, left
        const char* face_right[4];
    };
    const Case cases[] = {
        {VerticalCircle::Zenith, {"0", "90", "180", "270"}, {"0", "270", "180", "90"}},
        {VerticalCircle::Altitude, {"90", "0", "270", "180"}, {"90", "180", "270", "0"}},
        {VerticalCircle::Nadir, {"180", "90", "0", "270"}, {"180", "270", "0", "90"}},
    };
    const char* places[] = {"top", "right", "bottom", "left"};
    for (const Case& c : cases) {
        const auto found = labels_around(circle_graduation_shapes(c.circle));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(found.at(std::string("left ") + places[i]), c.face_left[i]) << places[i];
            EXPECT_EQ(found.at(std::string("right ") + places[i]), c.face_right[i]) << places[i];
        }
    }
}

}  // namespace
}  // namespace vortan
