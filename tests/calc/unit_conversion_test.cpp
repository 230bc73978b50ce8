#include "calc/unit_conversion.h"

#include "support/main_window_fixture.h"

#include <cmath>

namespace vortan {
namespace {

struct KindCase {
    const char* name;
    Quantity kind;
    double metric;
    double imperial;
};

TEST(UnitConversion, FactorsOfEveryKind) {
    const KindCase cases[] = {
        {"length", Quantity::Length, 100, 328.1},
        {"small length", Quantity::SmallLength, 1000, 39.372},
        {"freezing point", Quantity::Temperature, 0, 32},
        {"low bound", Quantity::Temperature, -20, -4},
        {"high bound", Quantity::Temperature, 80, 176},
        {"mass per length", Quantity::MassPerLength, 1000, 3547.7953},
        {"one pound-force in newtons", Quantity::Force, 4.4482216152605, 1},
        {"one pound-force in kilonewtons", Quantity::LargeForce, 0.0044482216152605, 1},
        {"100 kN", Quantity::LargeForce, 100, 22480.894},
        {"a creep allowance of -10 C is 18 F colder, not 14 F", Quantity::TemperatureDifference, -10, -18},
        {"creep bounds", Quantity::TemperatureDifference, 80, 144},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(metric_to_imperial(c.kind, c.metric), c.imperial, 1e-3);
        EXPECT_NEAR(imperial_to_metric(c.kind, metric_to_imperial(c.kind, c.metric)), c.metric, 1e-9);
    }
}

class FieldConversion : public testing::MainWindowTest {
protected:
    std::string to_display(const std::string& value, Quantity kind) {
        form().set_text("Conversion_Temp_Edit", value);
        CalcContext ctx = context();
        Convert_Field_To_Display(ctx, "Conversion_Temp_Edit", kind);
        return text("Conversion_Temp_Edit");
    }
    std::string to_metric(const std::string& value, Quantity kind) {
        form().set_text("Conversion_Temp_Edit", value);
        CalcContext ctx = context();
        Convert_Field_To_Metric(ctx, "Conversion_Temp_Edit", kind);
        return text("Conversion_Temp_Edit");
    }
};

TEST_F(FieldConversion, MetricDisplayOnlyReformats) {
    EXPECT_EQ(to_display("999.999", Quantity::Length), "1,000.00");
    EXPECT_EQ(to_metric("1,000.00", Quantity::Length), "1,000.00");
    EXPECT_EQ(to_metric("12.3456789", Quantity::Length), "12.3456789");
}

TEST_F(FieldConversion, ImperialConvertsBothWays) {
    given_imperial_units();
    EXPECT_EQ(to_display("100", Quantity::Length), "328.10");
    EXPECT_EQ(to_metric("328.10", Quantity::Length), "100.00000000");
    EXPECT_EQ(to_display("0", Quantity::Temperature), "32.00");
    EXPECT_EQ(to_metric("98.60", Quantity::Temperature), "37.00000000");
    EXPECT_EQ(to_display("1000", Quantity::MassPerLength), "3,547.80");
    EXPECT_EQ(to_metric("820", Quantity::Length), "249.92380372");
    EXPECT_EQ(to_metric("4000", Quantity::Length), "1219.14050594");
}

TEST_F(FieldConversion, EmptyAndUnreadableTextsAreLeftAlone) {
    given_imperial_units();
    for (const char* value : {"", "abc", "1.2.3"}) {
        EXPECT_EQ(to_display(value, Quantity::Length), value);
        EXPECT_EQ(to_metric(value, Quantity::Length), value);
    }
}

TEST_F(FieldConversion, LimitsFollowTheUnits) {
    CalcContext ctx = context();
    EXPECT_EQ(Convert_Limit(ctx, Quantity::Length, 10), 10);
    given_imperial_units();
    EXPECT_NEAR(Convert_Limit(ctx, Quantity::Length, 10), 32.81, 1e-9);
    EXPECT_NEAR(Convert_Limit(ctx, Quantity::Length, 2000), 6562, 1e-9);
    EXPECT_NEAR(Convert_Limit(ctx, Quantity::Temperature, -20), -4, 1e-9);
}

}  // namespace
}  // namespace vortan
