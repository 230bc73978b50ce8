// The method-page fields: that records, unit conversion and the sag mode find
// every field they name, with the right unit label, role and place.
#include "mainwindow/method_page_fields.h"

#include "support/main_window_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace vortan {
namespace {

class MethodPageFieldsTest : public testing::MainWindowTest {};

// Cable-sag record fields 20 to 74, in record order.
const std::vector<std::string> Record_Method_Fields = {
    "Swing_Number_of_Swings_Edit", "Swing_Actual_Time_Edit", "LSM_Support_Height_Difference_Edit",
    "LSM_Actual_Telescope_Height_Edit", "SBM_Actual_Sag_Height_Near_Edit", "SBM_Actual_Sag_Height_Far_Edit",
    "WAVE_Number_of_Return_Waves_Edit", "WAVE_Actual_Time_Edit", "Shunt_Dyn_Fulcrum_Seperation_Edit",
    "Shunt_Dyn_Deflection_Edit", "Shunt_Dyn_Actual_Force_Edit", "Series_Dyn_Mechanical_Advantage_Edit",
    "Series_Dyn_Actual_Tension_Edit",
    // 33 to 47: the one-span offset group
    "Off_1S_Tangent_Height_Near_Edit", "Off_1S_Tangent_Height_Mid_Edit", "Off_1S_Tangent_Height_Far_Edit",
    "Off_1S_Horiz_Angle_Near_Edit", "Off_1S_Horiz_Angle_Mid_Edit", "Off_1S_Horiz_Angle_Far_Edit",
    "Off_1S_Vert_Angle_Near_Edit", "Off_1S_Vert_Angle_Mid_Actual_Edit", "Off_1S_Vert_Angle_Far_Edit",
    "Off_1S_Slope_Dist_Near_Edit", "Off_1S_Slope_Dist_Mid_Edit", "Off_1S_Slope_Dist_Far_Edit",
    "Off_1S_Vert_Angle_to_Tangent_Near_Edit", "Off_1S_Vert_Angle_to_Tangent_Mid_Edit",
    "Off_1S_Vert_Angle_to_Tangent_Far_Edit",
    // 48 on
    "Off_2S_Adjacent_Structure_Edit", "Off_2S_Adjacent_Span_Edit", "Off_2S_Horiz_Bearing_Angle_Adjacent_Edit",
    "Off_2S_Horiz_Bearing_Angle_Near_Edit", "Off_2S_Horiz_Bearing_Angle_Mid_Edit",
    "Off_2S_Horiz_Bearing_Angle_Far_Edit", "Off_2S_Vert_Angle_Near_Edit", "Off_2S_Vert_Angle_Mid_Act_Edit",
    "Off_2S_Vert_Angle_Far_Edit", "Tan_1S_Thedolite_Height_Edit", "Tan_1S_Vert_Angle_Far_Edit",
    "Tan_1S_Act_Vertical_Angle_Mid_Edit", "Tan_2S_Adjacent_Structure_Edit", "Tan_2S_Adjacent_Span_Edit",
    "Tan_2S_Vert_Angle_Near_Edit", "Tan_2S_Act_Vertical_Angle_Mid_Edit", "Tan_2S_Vert_Angle_Far_Edit",
    "HSM_Near_Vert_Angle_Edit", "HSM_Far_Vert_Angle_Edit", "HSM_Theodolite_Height_Edit",
    "HSM_Actual_Stick_Height_Edit", "HSM_Near_Distance_Edit", "Clino_1_Tan_Grad1_Edit", "Clino_1_Tan_Grad2_Edit",
    "Clino_1_Tan_L1_Edit", "Clino_2_Tan_Grad1_Edit", "Clino_2_Tan_Grad2_Edit",
};

bool is_one_span_offset(const std::string& name) { return name.rfind("Off_1S_", 0) == 0; }

// The page (or, for hidden state, the top level) that holds a control.
std::string page_of(const Form& form, std::string name) {
    while (!name.empty() && form.control(name).kind != ControlKind::Page) name = form.control(name).parent;
    return name;
}

struct Displayed {
    const char* field;
    const char* family;
};

constexpr const char* L = "UNITS_LENGTH_Label";
constexpr const char* SL = "UNITS_SMALL_LENGTH_Label";
constexpr const char* T = "UNITS_Temperature_Label";
constexpr const char* KN = "UNITS_Force_Label";
constexpr const char* N = "UNITS_SMALL_Force_Label";

// The fields the unit conversion rewrites, each with the family of its label.
const Displayed Displayed_Fields[] = {
    {"Span_Length_Edit", L}, {"Compensated_Sag_Edit", L}, {"HSM_Actual_Sag_Edit", L},
    {"HSM_Actual_Stick_Height_Edit", L}, {"HSM_Near_Distance_Edit", L}, {"HSM_Required_Sag_Edit", L},
    {"HSM_Required_Stick_Height_Edit", L}, {"HSM_Theodolite_Height_Edit", L}, {"Upper_Sag_Edit", L},
    {"Lower_Sag_Edit", L}, {"LSM_Actual_Sag_Edit", L}, {"LSM_Actual_Telescope_Height_Edit", L},
    {"LSM_Required_Sag_Edit", L}, {"LSM_Required_Telescope_Height_Edit", L},
    {"LSM_Support_Height_Difference_Edit", L}, {"Off_2S_Actual_Sag_Edit", L}, {"Off_2S_Adjacent_Span_Edit", L},
    {"Off_2S_Reqd_Sag_Edit", L}, {"SBM_Actual_Sag_Edit", L}, {"SBM_Actual_Sag_Height_Far_Edit", L},
    {"SBM_Actual_Sag_Height_Near_Edit", L}, {"SBM_Required_Sag_Edit", L},
    {"SBM_Required_Sag_Height_Near_Edit", L}, {"Series_Dyn_Actual_Sag_Edit", L},
    {"Series_Dyn_Required_Sag_Edit", L}, {"Shunt_Dyn_Actual_Sag_Edit", L}, {"Shunt_Dyn_Required_Sag_Edit", L},
    {"Swing_Actual_Sag_Edit", L}, {"Swing_Required_Sag_Edit", L}, {"Tan_1S_Actual_Sag_Edit", L},
    {"Tan_1S_Required_Sag_Edit", L}, {"Tan_1S_Thedolite_Height_Edit", L}, {"Tan_2S_Actual_Sag_Edit", L},
    {"Tan_2S_Adjacent_Span_Edit", L}, {"Tan_2S_Required_Sag_Edit", L}, {"WAVE_Actual_Sag_Edit", L},
    {"WAVE_Reqd_Sag_Edit", L}, {"Clino_1_Tan_L1_Edit", L},
    {"Shunt_Dyn_Deflection_Edit", SL}, {"Shunt_Dyn_Fulcrum_Seperation_Edit", SL},
    {"Actual_Cable_Temperature_Edit", T}, {"Compensated_Temperature_Degrees_Edit", T},
    {"Lower_Temperature_Degrees_Edit", T}, {"Temperature_Compensation_Edit", T},
    {"Upper_Temperature_Degrees_Edit", T},
    {"Tan_2S_Actual_Tension_Edit", KN}, {"Tan_1S_Actual_Tension_Edit", KN},
    {"Series_Dyn_Actual_Tension_Edit", KN}, {"Series_Dyn_Required_Tension_Edit", KN},
    {"Shunt_Dyn_Actual_Tension_Edit", KN}, {"Shunt_Dyn_Required_Tension_Edit", KN},
    {"Shunt_Dyn_Actual_Force_Edit", N}, {"Shunt_Dyn_Required_Force_Edit", N},
};

// What each sag mode shows, per page; the two lists pair a required value
// with its actual twin.
struct ModeRow {
    const char* page;
    std::vector<std::string> sagging;
    std::vector<std::string> checking;
};

const std::vector<ModeRow> Mode_Rows = {
    {"Sightboard_TabSheet",
     {"SBM_Required_Sag_Height_Near_Edit", "SBM_Required_Sag_Edit", "SBM_Required_Percent_Edit"},
     {"SBM_Actual_Sag_Height_Near_Edit", "SBM_Actual_Sag_Edit", "SBM_Actual_Percent_Edit"}},
    {"Offset_2_Span_TabSheet", {"Off_2S_Vert_Angle_Mid_Req_Edit", "Off_2S_Reqd_Sag_Edit"},
     {"Off_2S_Vert_Angle_Mid_Act_Edit", "Off_2S_Actual_Sag_Edit"}},
    {"Tangent_1_Span_TabSheet",
     {"Tan_1S_Req_Vertical_Angle_Mid_Edit", "Tan_1S_Required_Sag_Edit", "Tan_1S_Reqd_Percent_Edit"},
     {"Tan_1S_Act_Vertical_Angle_Mid_Edit", "Tan_1S_Actual_Sag_Edit", "Tan_1S_Actual_Percent_Edit"}},
    {"Tangent_2_Span_TabSheet",
     {"Tan_2S_Req_Vertical_Angle_Mid_Edit", "Tan_2S_Required_Sag_Edit", "Tan_2S_Reqd_Percent_Edit"},
     {"Tan_2S_Act_Vertical_Angle_Mid_Edit", "Tan_2S_Actual_Sag_Edit", "Tan_2S_Actual_Percent_Edit"}},
    {"Series_Dynamometer_TabSheet", {"Series_Dyn_Required_Tension_Edit", "Series_Dyn_Required_Sag_Edit"},
     {"Series_Dyn_Actual_Tension_Edit", "Series_Dyn_Actual_Sag_Edit"}},
    {"Shunt_Dynamometer_TabSheet",
     {"Shunt_Dyn_Required_Force_Edit", "Shunt_Dyn_Required_Tension_Edit", "Shunt_Dyn_Required_Sag_Edit"},
     {"Shunt_Dyn_Actual_Force_Edit", "Shunt_Dyn_Actual_Tension_Edit", "Shunt_Dyn_Actual_Sag_Edit"}},
    {"Travelling_Wave_TabSheet", {"WAVE_Required_Time_Edit", "WAVE_Reqd_Sag_Edit"},
     {"WAVE_Actual_Time_Edit", "WAVE_Actual_Sag_Edit"}},
    {"Pendulum_Swing_TabSheet", {"Swing_Required_Time_Edit", "Swing_Required_Sag_Edit"},
     {"Swing_Actual_Time_Edit", "Swing_Actual_Sag_Edit"}},
    {"Level_Sighting_TabSheet",
     {"LSM_Required_Telescope_Height_Edit", "LSM_Required_Sag_Edit", "LSM_Required_Percent_Edit"},
     {"LSM_Actual_Telescope_Height_Edit", "LSM_Actual_Sag_Edit", "LSM_Actual_Percent_Edit"}},
    {"Height_Stick_TabSheet", {"HSM_Required_Sag_Edit", "HSM_Required_Stick_Height_Edit"},
     {"HSM_Actual_Sag_Edit", "HSM_Actual_Stick_Height_Edit"}},
};

// Results the methods write: the user never types into them.
const char* const Output_Fields[] = {
    "SBM_Required_Sag_Height_Near_Edit", "SBM_Required_Percent_Edit", "SBM_Required_Sag_Edit",
    "SBM_Actual_Percent_Edit", "SBM_Actual_Sag_Edit", "LSM_Required_Telescope_Height_Edit",
    "LSM_Required_Percent_Edit", "LSM_Required_Sag_Edit", "LSM_Actual_Percent_Edit", "LSM_Actual_Sag_Edit",
    "Series_Dyn_Required_Tension_Edit", "Series_Dyn_Required_Sag_Edit", "Series_Dyn_Actual_Sag_Edit",
    "Shunt_Dyn_Required_Force_Edit", "Shunt_Dyn_Required_Tension_Edit", "Shunt_Dyn_Required_Sag_Edit",
    "Shunt_Dyn_Actual_Tension_Edit", "Shunt_Dyn_Actual_Sag_Edit", "Tan_1S_Req_Vertical_Angle_Mid_Edit",
    "Tan_1S_Reqd_Percent_Edit", "Tan_1S_Required_Sag_Edit", "Tan_1S_Actual_Percent_Edit",
    "Tan_1S_Actual_Sag_Edit", "Tan_1S_Actual_Tension_Edit", "Tan_2S_Req_Vertical_Angle_Mid_Edit",
    "Tan_2S_Reqd_Percent_Edit", "Tan_2S_Required_Sag_Edit", "Tan_2S_Actual_Percent_Edit",
    "Tan_2S_Actual_Sag_Edit", "Tan_2S_Actual_Tension_Edit", "Off_2S_Vert_Angle_Mid_Req_Edit",
    "Off_2S_Reqd_Sag_Edit", "Off_2S_Actual_Sag_Edit", "Off_2S_Percent_Edit", "Off_2S_Actual_Tension_Edit",
    "HSM_Required_Stick_Height_Edit", "HSM_Required_Sag_Edit", "HSM_Actual_Sag_Edit",
    "Clino_1_Tan_Actual_Sag_Edit", "Clino_2_Tan_Actual_Sag_Edit",
};

TEST_F(MethodPageFieldsTest, EveryMethodFieldOfTheCableSagRecordExists) {
    ASSERT_EQ(Record_Method_Fields.size(), 74u - 19u);
    for (const std::string& name : Record_Method_Fields) {
        ASSERT_TRUE(form().has(name)) << name;
        EXPECT_EQ(form().control(name).kind, ControlKind::Edit) << name;
        EXPECT_FALSE(form().control(name).read_only) << name;
        if (is_one_span_offset(name))
            EXPECT_FALSE(form().control(name).on_screen) << name;
        else
            EXPECT_NE(page_of(form(), name), "") << name << " is on no method page";
    }
}

TEST_F(MethodPageFieldsTest, TheTypedMethodInputsAreTheRecordFieldsOutsideTheHiddenGroup) {
    std::vector<std::string> expected;
    std::copy_if(Record_Method_Fields.begin(), Record_Method_Fields.end(), std::back_inserter(expected),
                 [](const std::string& name) { return !is_one_span_offset(name); });
    EXPECT_EQ(method_input_fields(), expected);
}

TEST_F(MethodPageFieldsTest, EveryDisplayedFieldHasALabelOfItsUnitFamily) {
    ASSERT_EQ(std::size(Displayed_Fields), 53u);
    for (const Displayed& d : Displayed_Fields) {
        ASSERT_TRUE(form().has(d.field)) << d.field;
        const std::string& unit = form().control(d.field).unit_label;
        ASSERT_TRUE(form().has(unit)) << d.field << " has no unit label";
        EXPECT_EQ(form().control(unit).kind, ControlKind::Label) << unit;
        EXPECT_EQ(unit.rfind(d.family, 0), 0u) << d.field << " has " << unit;
        EXPECT_EQ(form().control(unit).parent, form().control(d.field).parent) << unit;
    }
}

TEST_F(MethodPageFieldsTest, UnitLabelsAreUniqueToTheirField) {
    std::vector<std::string> units;
    for (const Control* c : form().controls())
        if (!c->unit_label.empty()) units.push_back(c->unit_label);
    std::sort(units.begin(), units.end());
    EXPECT_EQ(std::adjacent_find(units.begin(), units.end()), units.end());
}

TEST_F(MethodPageFieldsTest, AngleAndGradientFieldsCarryDegreesAndPercentLabels) {
    const std::pair<const char*, const char*> fields[] = {
        {"Tan_2S_Vert_Angle_Near_Edit", "UNITS_Degrees_Label"},
        {"Tan_2S_Vert_Angle_Far_Edit", "UNITS_Degrees_Label"},
        {"Tan_2S_Act_Vertical_Angle_Mid_Edit", "UNITS_Degrees_Label"},
        {"Tan_1S_Req_Vertical_Angle_Mid_Edit", "UNITS_Degrees_Label"},
        {"Tan_1S_Vert_Angle_Far_Edit", "UNITS_Degrees_Label"},
        {"HSM_Near_Vert_Angle_Edit", "UNITS_Degrees_Label"},
        {"HSM_Far_Vert_Angle_Edit", "UNITS_Degrees_Label"},
        {"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", "UNITS_Degrees_Label"},
        {"Off_2S_Vert_Angle_Near_Edit", "UNITS_Degrees_Label"},
        {"Off_2S_Percent_Edit", "UNIT_Percent_Label"},
        {"Clino_1_Tan_Grad1_Edit", "UNIT_Percent_Label"},
        {"Clino_1_Tan_Grad2_Edit", "UNIT_Percent_Label"},
        {"Clino_2_Tan_Grad1_Edit", "UNIT_Percent_Label"},
        {"Clino_2_Tan_Grad2_Edit", "UNIT_Percent_Label"},
    };
    for (const auto& [field, family] : fields)
        EXPECT_EQ(form().control(field).unit_label.rfind(family, 0), 0u) << field;
}

TEST_F(MethodPageFieldsTest, ResultsAreReadOnly) {
    for (const char* name : Output_Fields) {
        ASSERT_TRUE(form().has(name)) << name;
        EXPECT_TRUE(form().control(name).read_only) << name;
    }
    for (const char* name : {"Tan_1S_Actual_Tension_Edit", "Tan_2S_Actual_Tension_Edit",
                             "Off_2S_Actual_Tension_Edit"})
        EXPECT_FALSE(form().control(name).on_screen) << name << " is a hidden result";
}

TEST_F(MethodPageFieldsTest, TheOffsetPageGroupsItsAnglesAndSag) {
    const std::pair<const char*, const char*> groups[] = {
        {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", "Horiontal Angles"},
        {"Off_2S_Vert_Angle_Mid_Act_Edit", "Vertical Angles"},
        {"Off_2S_Vert_Angle_Mid_Req_Edit", "Vertical Angles"},
        {"Off_2S_Actual_Sag_Edit", "Sag"},
    };
    for (const auto& [field, caption] : groups) {
        const Control& group = form().control(form().control(field).parent);
        EXPECT_EQ(group.kind, ControlKind::GroupBox) << field;
        EXPECT_EQ(group.caption, caption) << field;
        EXPECT_EQ(page_of(form(), field), "Offset_2_Span_TabSheet") << field;
    }
}

TEST_F(MethodPageFieldsTest, EachRequiredFieldAndItsActualTwinShareAPageOnConsecutiveRows) {
    for (const ModeRow& row : Mode_Rows) {
        ASSERT_EQ(row.sagging.size(), row.checking.size()) << row.page;
        for (size_t i = 0; i < row.sagging.size(); ++i) {
            const std::string& required = row.sagging[i];
            const std::string& actual = row.checking[i];
            EXPECT_EQ(page_of(form(), required), row.page) << required;
            EXPECT_EQ(page_of(form(), actual), row.page) << actual;
            ASSERT_EQ(form().control(required).parent, form().control(actual).parent) << required;
            std::vector<std::string> edits;
            for (const Control* c : form().children(form().control(required).parent))
                if (c->kind == ControlKind::Edit && c->on_screen) edits.push_back(c->name);
            auto at = [&](const std::string& name) { return std::find(edits.begin(), edits.end(), name); };
            EXPECT_EQ(std::abs(at(required) - at(actual)), 1) << required << " and " << actual;
        }
    }
}

TEST_F(MethodPageFieldsTest, SagModeShowsTheRequiredOrTheActualColumnOfEveryPage) {
    for (int mode : {0, 1, 0}) {
        form().user_select("Sag_New_or_Existing_RadioGroup", mode);
        for (const ModeRow& row : Mode_Rows) {
            for (const std::string& name : row.sagging)
                EXPECT_EQ(form().control(name).visible, mode == 0) << name << " in mode " << mode;
            for (const std::string& name : row.checking)
                EXPECT_EQ(form().control(name).visible, mode == 1) << name << " in mode " << mode;
        }
    }
}

TEST_F(MethodPageFieldsTest, ClinometerPagesAreCoveredOnlyWhileSagging) {
    const std::pair<const char*, const char*> covers[] = {
        {"Clino_1_Tan_Panel", "Clino_1_Span_TabSheet"},
        {"Clino_2_Tan_Panel", "Clino_2_Span_TabSheet"},
    };
    for (const auto& [panel, page] : covers) {
        ASSERT_TRUE(form().has(panel));
        EXPECT_EQ(form().control(panel).kind, ControlKind::Panel);
        EXPECT_EQ(form().control(panel).parent, page);
        const auto children = form().children(panel);
        ASSERT_EQ(children.size(), 1u) << panel;
        EXPECT_EQ(children.front()->caption, "This Sag Method is only available when Checking Cable Sag");
        EXPECT_TRUE(form().control(panel).visible) << panel << " at start";
    }
    form().user_select("Sag_New_or_Existing_RadioGroup", 1);
    for (const auto& [panel, page] : covers) EXPECT_FALSE(form().control(panel).visible) << panel;
    form().user_select("Sag_New_or_Existing_RadioGroup", 0);
    for (const auto& [panel, page] : covers) EXPECT_TRUE(form().control(panel).visible) << panel;
}

TEST_F(MethodPageFieldsTest, TheOneSpanOffsetGroupStaysOffScreenAndOutsideTheMethodPages) {
    for (const char* name : {"Off_1S_Near_Structure_Edit", "Off_1S_Far_Structure_Edit", "Off_1S_Actual_Span_Edit",
                             "Off_1S_Slope_Dist_Mid_Edit", "Off_1S_Vert_Angle_to_Tangent_Far_Edit"}) {
        ASSERT_TRUE(form().has(name)) << name;
        EXPECT_FALSE(form().control(name).on_screen) << name;
        EXPECT_EQ(page_of(form(), name), "") << name;
    }
}

}  // namespace
}  // namespace vortan
