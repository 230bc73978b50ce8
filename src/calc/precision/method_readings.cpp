#include "calc/precision/method_readings.h"

#include "calc/method_table.h"

namespace vortan {

namespace {

constexpr ReadingKind Angle = ReadingKind::Angle, Length = ReadingKind::Length, Span = ReadingKind::Span,
                      Time = ReadingKind::Time, Force = ReadingKind::Force, Gradient = ReadingKind::Gradient;

// The shunt dynamometer's fulcrum separation and deflection are the
// instrument's own build, not readings: they carry no reading error.
const MethodReadings Readings[Method_Page_Count] = {
    {{{"SBM_Actual_Sag_Height_Near_Edit", Length}, {"SBM_Actual_Sag_Height_Far_Edit", Length}},
     "SBM_Actual_Sag_Edit", "SBM_Required_Sag_Height_Near_Edit", "SBM_Actual_Sag_Height_Near_Edit",
     "the near sightboard", nullptr},
    {{{"Tan_2S_Vert_Angle_Near_Edit", Angle},
      {"Tan_2S_Adjacent_Span_Edit", Span},
      {"Tan_2S_Vert_Angle_Far_Edit", Angle},
      {"Tan_2S_Act_Vertical_Angle_Mid_Edit", Angle}},
     "Tan_2S_Actual_Sag_Edit", "Tan_2S_Req_Vertical_Angle_Mid_Edit", "Tan_2S_Act_Vertical_Angle_Mid_Edit",
     "the vertical angle", nullptr},
    {{{"Tan_1S_Thedolite_Height_Edit", Length},
      {"Tan_1S_Vert_Angle_Far_Edit", Angle},
      {"Tan_1S_Act_Vertical_Angle_Mid_Edit", Angle}},
     "Tan_1S_Actual_Sag_Edit", "Tan_1S_Req_Vertical_Angle_Mid_Edit", "Tan_1S_Act_Vertical_Angle_Mid_Edit",
     "the vertical angle", nullptr},
    {{{"Series_Dyn_Actual_Tension_Edit", Force}},
     "Series_Dyn_Actual_Sag_Edit", "Series_Dyn_Required_Tension_Edit", "Series_Dyn_Actual_Tension_Edit",
     "the dynamometer", nullptr},
    {{{"LSM_Support_Height_Difference_Edit", Length}, {"LSM_Actual_Telescope_Height_Edit", Length}},
     "LSM_Actual_Sag_Edit", "LSM_Required_Telescope_Height_Edit", "LSM_Actual_Telescope_Height_Edit",
     "the telescope height", nullptr},
    {{{"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", Angle},
      {"Off_2S_Horiz_Bearing_Angle_Near_Edit", Angle},
      {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", Angle},
      {"Off_2S_Horiz_Bearing_Angle_Far_Edit", Angle},
      {"Off_2S_Vert_Angle_Near_Edit", Angle},
      {"Off_2S_Vert_Angle_Mid_Act_Edit", Angle},
      {"Off_2S_Vert_Angle_Far_Edit", Angle},
      {"Off_2S_Adjacent_Span_Edit", Span}},
     "Off_2S_Actual_Sag_Edit", "Off_2S_Vert_Angle_Mid_Req_Edit", "Off_2S_Vert_Angle_Mid_Act_Edit",
     "the vertical angle", nullptr},
    {{{"HSM_Near_Vert_Angle_Edit", Angle},
      {"HSM_Far_Vert_Angle_Edit", Angle},
      {"HSM_Theodolite_Height_Edit", Length},
      {"HSM_Near_Distance_Edit", Length},
      {"HSM_Actual_Stick_Height_Edit", Length}},
     "HSM_Actual_Sag_Edit", "HSM_Required_Stick_Height_Edit", "HSM_Actual_Stick_Height_Edit", "the height stick",
     nullptr},
    {{{"WAVE_Actual_Time_Edit", Time}},
     "WAVE_Actual_Sag_Edit", "WAVE_Required_Time_Edit", "WAVE_Actual_Time_Edit", "the time",
     "WAVE_Number_of_Return_Waves_Edit"},
    {{{"Swing_Actual_Time_Edit", Time}},
     "Swing_Actual_Sag_Edit", "Swing_Required_Time_Edit", "Swing_Actual_Time_Edit", "the time",
     "Swing_Number_of_Swings_Edit"},
    {{{"Shunt_Dyn_Actual_Force_Edit", Force}},
     "Shunt_Dyn_Actual_Sag_Edit", "Shunt_Dyn_Required_Force_Edit", "Shunt_Dyn_Actual_Force_Edit",
     "the dynamometer", nullptr},
    {{{"Clino_1_Tan_Grad1_Edit", Gradient}, {"Clino_1_Tan_Grad2_Edit", Gradient}, {"Clino_1_Tan_L1_Edit", Length}},
     "Clino_1_Tan_Actual_Sag_Edit", nullptr, nullptr, "the gradients", nullptr},
    {{{"Clino_2_Tan_Grad1_Edit", Gradient}, {"Clino_2_Tan_Grad2_Edit", Gradient}},
     "Clino_2_Tan_Actual_Sag_Edit", nullptr, nullptr, "the gradients", nullptr},
};

}  // namespace

const MethodReadings* method_readings(int page) {
    if (page < 0 || page >= Method_Page_Count) return nullptr;
    return &Readings[page];
}

std::string band_field_of(const char* actual_sag_field) {
    std::string name = actual_sag_field;
    const std::string suffix = "_Edit";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    return name + "_Band_Edit";
}

}  // namespace vortan
