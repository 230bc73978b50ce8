#include "units/displayed_fields.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

class UnitSwitch : public testing::MainWindowTest {
protected:
    void switch_units(int units) {
        window.setup_opened();
        setup.form().set_item_index("Units_of_Measure_RadioGroup", units);
        window.setup_closed();
    }
};

TEST_F(UnitSwitch, EveryDisplayedMeasureExists) {
    EXPECT_EQ(displayed_measures().size(), 64u);
    for (const DisplayedMeasure& m : displayed_measures()) EXPECT_TRUE(form().has(m.field)) << m.field;
}

TEST_F(UnitSwitch, FieldsShowTheSameCableSagInTheNewUnits) {
    type("Span_Length_Edit", "100");
    type("Actual_Cable_Temperature_Edit", "0");
    type("Upper_Sag_Edit", "abc");
    form().set_text("Actual_Sag_Edit", "2");
    switch_units(1);
    EXPECT_EQ(text("Span_Length_Edit"), "328.10");
    EXPECT_EQ(text("Actual_Cable_Temperature_Edit"), "32.00");
    EXPECT_EQ(text("Actual_Sag_Edit"), "6.56");
    EXPECT_EQ(text("Upper_Sag_Edit"), "abc");
    EXPECT_EQ(form().control("UNITS_LENGTH_Label1").caption, "ft");
    EXPECT_EQ(setup.form().control("UNITS_Mass_Label1").caption, "lbs/mile");
    switch_units(0);
    EXPECT_EQ(text("Span_Length_Edit"), "100.00");
    EXPECT_EQ(text("Actual_Cable_Temperature_Edit"), "0.00");
    EXPECT_EQ(form().control("UNITS_LENGTH_Label1").caption, "m");
}

TEST_F(UnitSwitch, TwoSwitchesLeaveTheChangeFlagsAsTheyWere) {
    type("Span_Length_Edit", "100");
    for (bool state : {false, true}) {
        for (const char* f : {"Data_Changed_Since_Load_CheckBox", "Span_Data_Changed_CheckBox", "Cable_Data_Changed_CheckBox"})
            form().set_checked(f, state);
        switch_units(1);
        switch_units(0);
        for (const char* f : {"Data_Changed_Since_Load_CheckBox", "Span_Data_Changed_CheckBox", "Cable_Data_Changed_CheckBox"})
            EXPECT_EQ(flag(f), state) << f;
    }
}

TEST_F(UnitSwitch, ClosingWithoutAChangeConvertsNothing) {
    type("Span_Length_Edit", "100");
    switch_units(0);
    EXPECT_EQ(text("Span_Length_Edit"), "100");
}

}  // namespace
}  // namespace vortan
