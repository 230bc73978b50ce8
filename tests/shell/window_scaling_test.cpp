// The design geometry list and the proportional scaling drawn from it.
#include "shell/window_scaling.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

TEST(WindowScaling, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.4999, 2},
                                            {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {7.0, 7}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(round_half_even(value), rounded) << value;
}

TEST(WindowScaling, DesignLinesListEveryComponentInCreationOrder) {
    const std::vector<DesignComponent> components = {
        {"Open_BitBtn", DesignGeometry{8, 75, 4, 25, 11}},
        {"File_Menu", std::nullopt},
        {"Contract_Edit", DesignGeometry{96, 121, 20, 21, 11}},
    };
    const std::vector<std::string> expected = {
        "713 551 W/H Mainform1",
        "8 75 4 25 11 Open_BitBtn",
        "0",
        "96 121 20 21 11 Contract_Edit",
    };
    EXPECT_EQ(design_geometry_lines(713, 551, components), expected);
}

TEST(WindowScaling, ScalesEachControlFromItsDesignValues) {
    const std::vector<std::string> lines = {
        "700 500 W/H Mainform1", "10 75 4 25 11 Open_BitBtn", "0", "35 121 21 21 8 Contract_Edit",
    };
    struct Case {
        int width, height;
        DesignGeometry open, contract;
    };
    const Case cases[] = {
        // Twice as wide: lefts and widths double; tops, heights and fonts stay (min(rw, rh) = 1).
        {1400, 500, {20, 150, 4, 25, 11}, {70, 242, 21, 21, 8}},
        // Both ways by 1.5: halves go to the even neighbour (112.5 to 112, 37.5 to 38, 52.5 to 52).
        {1050, 750, {15, 112, 6, 38, 16}, {52, 182, 32, 32, 12}},
        // The design size: nothing moves.
        {700, 500, {10, 75, 4, 25, 11}, {35, 121, 21, 21, 8}},
    };
    for (const Case& c : cases) {
        const auto scaled = scaled_components(lines, c.width, c.height);
        ASSERT_EQ(scaled.size(), 2u);
        EXPECT_EQ(scaled[0].component, 0u);
        EXPECT_EQ(scaled[0].name, "Open_BitBtn");
        EXPECT_EQ(scaled[1].component, 2u);
        for (const auto& [got, want] : {std::pair{scaled[0].geometry, c.open}, {scaled[1].geometry, c.contract}}) {
            EXPECT_EQ(got.left, want.left) << c.width << "x" << c.height;
            EXPECT_EQ(got.width, want.width) << c.width << "x" << c.height;
            EXPECT_EQ(got.top, want.top) << c.width << "x" << c.height;
            EXPECT_EQ(got.height, want.height) << c.width << "x" << c.height;
            EXPECT_EQ(got.font_size, want.font_size) << c.width << "x" << c.height;
        }
    }
}

TEST(WindowScaling, ANeverFilledOrBrokenDesignSizeLeavesTheLayoutAlone) {
    const std::vector<std::vector<std::string>> lists = {
        {},
        {"0 551 W/H Mainform1", "8 75 4 25 11 Open_BitBtn"},
        {"713 0 W/H Mainform1", "8 75 4 25 11 Open_BitBtn"},
        {"-713 551 W/H Mainform1", "8 75 4 25 11 Open_BitBtn"},
        {"W/H Mainform1", "8 75 4 25 11 Open_BitBtn"},
    };
    for (const auto& lines : lists) {
        EXPECT_FALSE(scale_factors(lines, 1426, 551));
        EXPECT_TRUE(scaled_components(lines, 1426, 551).empty());
    }
}

TEST(WindowScaling, AFontNeverShrinksToNothingAndDamagedLinesAreSkipped) {
    const std::vector<std::string> lines = {"700 500 W/H Mainform1", "10 75 4 25 8 Tiny_Label",
                                            "ten 75 4 25 8 Damaged_Label", "x", ""};
    const auto scaled = scaled_components(lines, 70, 50);  // a tenth of the design size
    ASSERT_EQ(scaled.size(), 1u);
    EXPECT_EQ(scaled[0].geometry.font_size, 1);
    EXPECT_EQ(scaled[0].geometry.width, 8);  // 7.5 to the even 8
}

}  // namespace
}  // namespace vortan
