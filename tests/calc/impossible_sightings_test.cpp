// Sightings no real cable can give are refused with a message that says why
// and what to change; the run writes nothing and is not successful.
#include "support/main_window_fixture.h"

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vortan {
namespace {

struct RefusalCase {
    const char* name;  // what the surveyor did
    int page;
    bool checking;
    const char* span;
    const char* sag;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* message;
};

const char* const Offset_Middle_Outside =
    "Error : The Horizontal Angle (Middle) must lie between the Horizontal Angle (Near) and the Horizontal Angle "
    "(Far).  The point sighted would be outside the span.\n\r\n\rSight the cable at a point between the near and "
    "the far structure, and enter its bearing as the Horizontal Angle (Middle).";

// Bearings as seen 100 m off the line: 150 adjacent, 120 near, 45 far (see the
// offset method's tests); a middle bearing of 30 looks beyond the far structure.
std::vector<std::pair<const char*, const char*>> offset_bearings(const char* adjacent, const char* middle) {
    return {{"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", adjacent}, {"Off_2S_Horiz_Bearing_Angle_Near_Edit", "120"},
            {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", middle},       {"Off_2S_Horiz_Bearing_Angle_Far_Edit", "45"},
            {"Off_2S_Vert_Angle_Near_Edit", "85"},                  {"Off_2S_Vert_Angle_Mid_Act_Edit", "86"},
            {"Off_2S_Vert_Angle_Far_Edit", "84.3"},                 {"Off_2S_Adjacent_Span_Edit", "115.470054"},
            {"Off_2S_Adjacent_Structure_Edit", "T0"}};
}

const RefusalCase Refusals[] = {
    {"sets the far sightboard more than four sags below its support", 0, false, "300", "4",
     {{"SBM_Actual_Sag_Height_Far_Edit", "17"}},
     "Error : No such sighting can be taken on this cable.  The sight line would touch the cable's curve 9.23 m "
     "behind the near structure, outside the span.\n\r\n\rFix the far sightboard less than 4 times the sag below the "
     "far support, or use another method."},
    // Far support 30 m above the near one, which stands 5 m above the theodolite
    // 250 m back: the line for a 5 m sag touches the curve 32 m behind the near support.
    {"sags a steep span from the adjacent structure", 1, false, "300", "5",
     {{"Tan_2S_Adjacent_Structure_Edit", "T0"}, {"Tan_2S_Vert_Angle_Near_Edit", "88.5115"},
      {"Tan_2S_Adjacent_Span_Edit", "250"}, {"Tan_2S_Vert_Angle_Far_Edit", "86.2132"}},
     "Error : No such sighting can be taken on this cable.  The sight line would touch the cable's curve 32.04 m "
     "behind the near structure, outside the span.\n\r\n\rSet up the theodolite lower at the adjacent structure, or "
     "use another method."},
    // 25 m below the near support is five sags: the line touches 150 sqrt(5) = 335 m on.
    {"sags from the near structure with the theodolite five sags down", 2, false, "300", "5",
     {{"Tan_1S_Thedolite_Height_Edit", "25"}, {"Tan_1S_Vert_Angle_Far_Edit", "85.1411"}},
     "Error : No such sighting can be taken on this cable.  The sight line would touch the cable's curve 35.41 m "
     "beyond the far structure, outside the span.\n\r\n\rSet up the theodolite less than 4 times the sag below the "
     "near support, or use another method."},
    {"sights the middle point beyond the far structure to sag a cable", 5, false, "157.735027", "6",
     offset_bearings("150", "30"), Offset_Middle_Outside},
    {"sights the middle point beyond the far structure to check a cable", 5, true, "157.735027", "6",
     offset_bearings("150", "30"), Offset_Middle_Outside},
    {"sights the middle point back in the adjacent span", 5, true, "157.735027", "6", offset_bearings("150", "170"),
     Offset_Middle_Outside},
    {"takes the adjacent structure's bearing between the near and far ones", 5, true, "157.735027", "6",
     offset_bearings("100", "60"),
     "Error : The Horizontal Angle (Near) must lie between the Horizontal Angle (Adjacent) and the Horizontal Angle "
     "(Far).  The adjacent structure stands one span back from the near structure.\n\r\n\rCheck the bearings to the "
     "adjacent, the near and the far structure."},
    {"sets up the height stick beyond the far structure", 6, true, "300", "5",
     {{"HSM_Near_Vert_Angle_Edit", "88"}, {"HSM_Far_Vert_Angle_Edit", "92"}, {"HSM_Theodolite_Height_Edit", "1.5"},
      {"HSM_Near_Distance_Edit", "320"}, {"HSM_Actual_Stick_Height_Edit", "8"}},
     "Error : The Near Distance is longer than the Span Length.  The theodolite would stand beyond the far structure, "
     "where no cable hangs above it.\n\r\n\rSet up the theodolite on the line between the near and the far "
     "structure."},
};

class ImpossibleSightings : public testing::MainWindowTest {};

TEST_F(ImpossibleSightings, AreRefusedWithWhyAndWhatToChange) {
    const std::vector<std::string> outputs = {"Actual_Sag_Edit", "SBM_Required_Sag_Height_Near_Edit",
                                              "Tan_1S_Req_Vertical_Angle_Mid_Edit", "Tan_2S_Req_Vertical_Angle_Mid_Edit",
                                              "Off_2S_Vert_Angle_Mid_Req_Edit", "Off_2S_Actual_Sag_Edit",
                                              "HSM_Actual_Sag_Edit"};
    for (const RefusalCase& c : Refusals) {
        SCOPED_TRACE(c.name);
        given_header("T1", "T2", c.span);
        given_schedule();
        type("Upper_Sag_Edit", c.sag);
        type("Lower_Sag_Edit", c.sag);
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_method_page(c.page);
        for (const auto& [field, value] : c.inputs) type(field, value);
        for (const std::string& field : outputs) form().set_text(field, "old");
        for (bool quiet : {false, true}) {
            const size_t before = messages().size();
            form().set_checked("Calcualte_Without_Messages_CheckBox", quiet);
            form().set_checked("Data_Calc_Successful_CheckBox", true);
            calculate();
            form().set_checked("Calcualte_Without_Messages_CheckBox", false);
            EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
            EXPECT_EQ(messages_since(before), std::vector<std::string>{c.message}) << (quiet ? "quiet" : "with messages");
            for (const std::string& field : outputs) EXPECT_EQ(text(field), "old") << field;
        }
    }
}

}  // namespace
}  // namespace vortan

namespace vortan {
namespace {

// Observations that only bound the sag, and instructions no observation can
// follow: refused in metric and imperial alike, lengths typed in the units in
// force, nothing written.
struct BoundCase {
    const char* name;
    int page;
    bool checking;
    double sag;  // metres; the schedule's, when sagging
    std::vector<std::tuple<const char*, double, bool>> inputs;  // field, value, a length
    std::vector<const char*> message_holds;
};

const BoundCase Bounds[] = {
    {"checks from the near structure five sags down, the line through the far support", 2, true, 5,
     {{"Tan_1S_Thedolite_Height_Edit", 25, true}, {"Tan_1S_Vert_Angle_Far_Edit", 85.1411, false},
      {"Tan_1S_Act_Vertical_Angle_Mid_Edit", 85.1411, false}},
     {"only bounds the sag: the cable hangs at most ", "at the far support", "less than 4 times the sag"}},
    {"sags from the near structure exactly four sags down", 2, false, 5,
     {{"Tan_1S_Thedolite_Height_Edit", 20, true}, {"Tan_1S_Vert_Angle_Far_Edit", 86.1109, false}},
     {"cannot be set out", "at the far support"}},
    {"checks from the adjacent structure along the line through the near support", 1, true, 5,
     {{"Tan_2S_Adjacent_Structure_Edit", 0, false}, {"Tan_2S_Vert_Angle_Near_Edit", 88.5115, false},
      {"Tan_2S_Adjacent_Span_Edit", 250, true}, {"Tan_2S_Vert_Angle_Far_Edit", 86.2132, false},
      {"Tan_2S_Act_Vertical_Angle_Mid_Edit", 88.5115, false}},
     {"only bounds the sag", "at the near support"}},
    {"checks with the near sightboard at its support", 0, true, 4,
     {{"SBM_Actual_Sag_Height_Near_Edit", 0, true}, {"SBM_Actual_Sag_Height_Far_Edit", 4, true}},
     {"only bounds the sag: the cable hangs at most ", "at the near support", "Fix the far sightboard"}},
    {"sags with the far sightboard four sags down", 0, false, 4, {{"SBM_Actual_Sag_Height_Far_Edit", 16, true}},
     {"cannot be set out", "at the near support"}},
    {"reads one-end gradients that sum to nothing", 10, true, 5,
     {{"Clino_1_Tan_Grad1_Edit", 5, false}, {"Clino_1_Tan_Grad2_Edit", -5, false}, {"Clino_1_Tan_L1_Edit", 300, true}},
     {"only bound the sag: the cable hangs at most ", "the gradients cannot tell that sag from none"}},
    {"reads end gradients that sum to nothing", 11, true, 5,
     {{"Clino_2_Tan_Grad1_Edit", 3, false}, {"Clino_2_Tan_Grad2_Edit", -3, false}},
     {"only bound the sag", "cannot tell that sag from none"}},
    // Supports 3 m above the theodolite at mid-span, 1.5 m above the ground: a
    // 5 m sag hangs the cable half a metre below the ground there.
    {"sags with the height stick where the cable would hang below the ground", 6, false, 5,
     {{"HSM_Near_Vert_Angle_Edit", 88.5115, false}, {"HSM_Far_Vert_Angle_Edit", 88.5115, false},
      {"HSM_Theodolite_Height_Edit", 1.5, true}, {"HSM_Near_Distance_Edit", 150, true}},
     {"No height stick can be set to this sag", "below the ground at the theodolite station"}},
};

std::string typed(double value, bool length, bool imperial) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", length && imperial ? value * 3.281 : value);
    return text;
}

class BoundedSightings : public testing::MainWindowTest {
protected:
    BoundedSightings() { port.set_default_answer(Answer::Yes); }
};

TEST_F(BoundedSightings, AreRefusedSayingWhatTheReadingShowsInBothUnits) {
    const std::vector<std::string> outputs = {"Actual_Sag_Edit", "SBM_Required_Sag_Height_Near_Edit", "SBM_Actual_Sag_Edit",
                                              "Tan_1S_Req_Vertical_Angle_Mid_Edit", "Tan_1S_Actual_Sag_Edit",
                                              "Tan_2S_Actual_Sag_Edit", "Clino_1_Tan_Actual_Sag_Edit",
                                              "Clino_2_Tan_Actual_Sag_Edit", "HSM_Required_Stick_Height_Edit"};
    for (bool imperial : {false, true}) {
        setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
        for (const BoundCase& c : Bounds) {
            SCOPED_TRACE(std::string(c.name) + (imperial ? ", imperial" : ", metric"));
            given_header("T1", "T2", typed(300, true, imperial));
            given_schedule();
            type("Upper_Sag_Edit", typed(c.sag, true, imperial));
            type("Lower_Sag_Edit", typed(c.sag, true, imperial));
            form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
            given_method_page(c.page);
            for (const auto& [field, value, length] : c.inputs)
                type(field, std::string(field).find("Structure") != std::string::npos ? "T0" : typed(value, length, imperial));
            for (const std::string& field : outputs) form().set_text(field, "old");
            const size_t before = messages().size();
            form().set_checked("Data_Calc_Successful_CheckBox", true);
            calculate();
            EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
            const std::vector<std::string> shown = messages_since(before);
            ASSERT_FALSE(shown.empty());  // a negative gradient is asked about first
            for (const char* part : c.message_holds) EXPECT_NE(shown.back().find(part), std::string::npos) << shown.back();
            for (const std::string& field : outputs) EXPECT_EQ(text(field), "old") << field;
        }
    }
}

}  // namespace
}  // namespace vortan
