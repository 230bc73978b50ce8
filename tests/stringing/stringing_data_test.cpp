// The stringing data side file: every kind of line reads back to what was
// written, lines of a later version are kept as they are, and the tension
// sections follow the strain structures and the gaps of the line.
#include "stringing/stringing_data.h"
#include "stringing/tension_sections.h"

#include <gtest/gtest.h>

#include <random>

using namespace vortan::stringing;

namespace {

StringingData random_data(std::mt19937& random) {
    std::uniform_real_distribution<double> any(-1e4, 1e4);
    StringingData data;
    for (int n = 0; n < 3; ++n) {
        const std::string name = "Code " + std::to_string(random() % 100);
        ConductorMechanics& m = data.mechanics_to_edit(name);
        m.area_mm2 = any(random), m.modulus_gpa = any(random), m.expansion_per_c = any(random) * 1e-9;
        m.rated_strength_kn = any(random);
        data.set_strain("T" + std::to_string(random() % 30), true);
        DesignCondition& c = data.design_to_edit("T" + std::to_string(random() % 30), name).condition;
        c = {random() % 2 ? DesignCondition::Tension::Newtons : DesignCondition::Tension::Percent_Of_Rated_Strength,
             any(random), any(random), any(random), any(random), any(random),
             random() % 2 ? CableAge::Initial : CableAge::Final};
        data.set_filled_rows({"T1", "T2", "Suspension", "Top Phase", name, any(random), any(random), any(random),
                              any(random)});
    }
    data.chart = {any(random), any(random), any(random)};
    return data;
}

TEST(StringingData, LinesReadBackToTheSameDataAndTheSameLines) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        StringingData data = random_data(random);
        data.unknown_lines = {"wind-span\tT3\t12\t", "design\tT1\tbroken\t"};
        const std::vector<std::string> lines = stringing_data_lines(data);
        const StringingData again = read_stringing_data(lines);
        EXPECT_EQ(stringing_data_lines(again), lines);
        ASSERT_EQ(again.designs.size(), data.designs.size());
        EXPECT_EQ(again.unknown_lines, data.unknown_lines) << "only the lines it cannot read are unknown";
        for (size_t n = 0; n < data.designs.size(); ++n)
            EXPECT_EQ(again.designs[n].condition.age, data.designs[n].condition.age);
    }
    EXPECT_TRUE(StringingData().empty());
    EXPECT_TRUE(stringing_data_lines(StringingData()).empty());
}

TEST(TensionSections, StartAtTheFirstSpanAtStrainStructuresAndAtGaps) {
    const std::vector<LineSpan> line = {{"T1", "T2", 300}, {"T2", "T3", 300}, {"T3", "T4", 400},
                                        {"T4", "T5", 200}, {"T9", "T10", 250}, {"T10", "T11", 250}};
    const struct {
        std::vector<std::string> strains;
        std::vector<std::vector<int>> sections;
    } cases[] = {
        {{}, {{0, 1, 2, 3}, {4, 5}}},
        {{"T3"}, {{0, 1}, {2, 3}, {4, 5}}},
        {{"T1", "T10", "T11"}, {{0, 1, 2, 3}, {4}, {5}}},
    };
    for (const auto& c : cases) {
        const auto sections = tension_sections(line, c.strains);
        ASSERT_EQ(sections.size(), c.sections.size());
        for (size_t s = 0; s < sections.size(); ++s) EXPECT_EQ(sections[s].spans, c.sections[s]);
    }
    EXPECT_NEAR(tension_sections(line, {"T3"})[0].ruling_span_m, 300, 1e-9);
}

}  // namespace
