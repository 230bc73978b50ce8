#include "mainwindow/method_page_fields.h"

#include "calc/precision/method_readings.h"

namespace vortan {

namespace {

constexpr const char* Length_Units = "UNITS_LENGTH_Label";
constexpr const char* Small_Length_Units = "UNITS_SMALL_LENGTH_Label";
constexpr const char* Small_Force_Units = "UNITS_SMALL_Force_Label";
constexpr const char* Force_Units = "UNITS_Force_Label";
constexpr const char* Degrees_Units = "UNITS_Degrees_Label";
constexpr const char* Percent_Units = "UNIT_Percent_Label";

constexpr const char* Cover_Text = "This Sag Method is only available when Checking Cable Sag";

// A result the methods write but nobody reads on screen (the zero tensions):
// it keeps its unit label so the unit conversion still knows its kind.
void hide_from_screen(Form& form, const std::string& name) {
    Control& field = form.control(name);
    field.on_screen = false;
    field.visible = false;
    if (!field.unit_label.empty()) {
        Control& unit = form.control(field.unit_label);
        unit.on_screen = false;
        unit.visible = false;
    }
}

}  // namespace

void add_actual_sag_band(FormBuilder& b, const std::string& page, const std::string& actual, bool beside) {
    b.read_only(page, band_field_of(actual.c_str()), beside ? "" : "95 % Band :",
                "95 % band of the actual sag, from the instrument precision set under Setup, Theodolite Settings",
                b.unit(Length_Units))
        .characters = 7;
}

namespace {

// Required and actual percentages carry their own " %", so no unit label.
void add_percents(FormBuilder& b, const std::string& page, const std::string& required,
                  const std::string& actual, const std::string& required_hint,
                  const std::string& actual_hint) {
    b.read_only(page, required, "Required Percent :", required_hint);
    b.read_only(page, actual, "Actual Percent :", actual_hint);
}

void add_sags(FormBuilder& b, const std::string& page, const std::string& required,
              const std::string& actual) {
    b.read_only(page, required, "Required Sag :", "Required sag", b.unit(Length_Units));
    b.read_only(page, actual, "Actual Sag :", "Actual sag", b.unit(Length_Units));
    add_actual_sag_band(b, page, actual);
}

void add_sightboard(FormBuilder& b) {
    const std::string page = "Sightboard_TabSheet";
    b.read_only(page, "SBM_Required_Sag_Height_Near_Edit", "Required Near :",
                "Required measurement at the near structure", b.unit(Length_Units));
    b.edit(page, "SBM_Actual_Sag_Height_Near_Edit", "Actual Near :",
           "Actual measurement at the near structure", b.unit(Length_Units));
    b.edit(page, "SBM_Actual_Sag_Height_Far_Edit", "Far Measurement :",
           "Sightboard measurement at the far structure", b.unit(Length_Units));
    add_percents(b, page, "SBM_Required_Percent_Edit", "SBM_Actual_Percent_Edit",
                 "Required percentage of span length", "Actual percentage of span length");
    add_sags(b, page, "SBM_Required_Sag_Edit", "SBM_Actual_Sag_Edit");
}

// The tangential sighting, its place along the span and the sag, then the
// tension that the tangent methods always set to zero.
void add_tangent_results(FormBuilder& b, Form& form, const std::string& page,
                         const std::string& prefix) {
    b.read_only(page, prefix + "Req_Vertical_Angle_Mid_Edit", "Reqd Angle Mid :",
                "Required vertical angle of the tangential sighting", b.unit(Degrees_Units));
    b.edit(page, prefix + "Act_Vertical_Angle_Mid_Edit", "Actual Angle Mid :",
           "Actual vertical angle of the tangential sighting", b.unit(Degrees_Units));
    add_percents(b, page, prefix + "Reqd_Percent_Edit", prefix + "Actual_Percent_Edit",
                 "Required percentage of span length", "Actual percentage of span length");
    add_sags(b, page, prefix + "Required_Sag_Edit", prefix + "Actual_Sag_Edit");
    b.read_only(page, prefix + "Actual_Tension_Edit", "Actual Tension :", "Actual tension",
                b.unit(Force_Units));
    hide_from_screen(form, prefix + "Actual_Tension_Edit");
}

void add_tangent_2_span(FormBuilder& b, Form& form) {
    const std::string page = "Tangent_2_Span_TabSheet";
    b.edit(page, "Tan_2S_Adjacent_Structure_Edit", "Adj Structure :",
           "Number or name of the adjacent structure where the theodolite stands");
    b.edit(page, "Tan_2S_Vert_Angle_Near_Edit", "Vert Angle Near :",
           "Vertical angle to the near support", b.unit(Degrees_Units));
    b.edit(page, "Tan_2S_Adjacent_Span_Edit", "Adjacent Span :",
           "Length of the adjacent span, from the theodolite to the near structure",
           b.unit(Length_Units));
    b.edit(page, "Tan_2S_Vert_Angle_Far_Edit", "Vert Angle Far :", "Vertical angle to the far support",
           b.unit(Degrees_Units));
    add_tangent_results(b, form, page, "Tan_2S_");
}

void add_tangent_1_span(FormBuilder& b, Form& form) {
    const std::string page = "Tangent_1_Span_TabSheet";
    b.edit(page, "Tan_1S_Thedolite_Height_Edit", "Support Height :",
           "Near support height above the theodolite centre", b.unit(Length_Units));
    b.edit(page, "Tan_1S_Vert_Angle_Far_Edit", "Vert Angle Far :", "Vertical angle to the far support",
           b.unit(Degrees_Units));
    add_tangent_results(b, form, page, "Tan_1S_");
}

void add_series_dynamometer(FormBuilder& b) {
    const std::string page = "Series_Dynamometer_TabSheet";
    b.edit(page, "Series_Dyn_Mechanical_Advantage_Edit", "Mechanical Advantage of Tackle",
           "Mechanical advantage of the block and tackle");
    b.read_only(page, "Series_Dyn_Required_Tension_Edit", "Required Tension :", "Required tension",
                b.unit(Force_Units));
    b.edit(page, "Series_Dyn_Actual_Tension_Edit", "Actual Tension :", "Actual tension",
           b.unit(Force_Units));
    add_sags(b, page, "Series_Dyn_Required_Sag_Edit", "Series_Dyn_Actual_Sag_Edit");
}

void add_level_sighting(FormBuilder& b) {
    const std::string page = "Level_Sighting_TabSheet";
    b.edit(page, "LSM_Support_Height_Difference_Edit", "Height Difference :",
           "The support height difference", b.unit(Length_Units));
    b.label(page, "LSM_Height_Difference_Note_Label",
            "Positive when far support is higher.  Negative when the far support is lower.");
    b.read_only(page, "LSM_Required_Telescope_Height_Edit", "Required Height :",
                "Required telescope height", b.unit(Length_Units));
    b.edit(page, "LSM_Actual_Telescope_Height_Edit", "Actual Height :", "Actual telescope height",
           b.unit(Length_Units));
    add_percents(b, page, "LSM_Required_Percent_Edit", "LSM_Actual_Percent_Edit", "Required percent",
                 "Actual percent");
    add_sags(b, page, "LSM_Required_Sag_Edit", "LSM_Actual_Sag_Edit");
}

// One degrees label serves a whole angle group: it follows the group's first
// field, under the group's note.
void add_offset_angles(FormBuilder& b, const std::string& page) {
    const std::string horizontal = "Off_2S_Horiz_Angles_GroupBox";
    b.container(ControlKind::GroupBox, page, horizontal, "Horiontal Angles");
    b.label(horizontal, "Off_2S_Horiz_All_Angles_Label", "All Angles");
    b.edit(horizontal, "Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", "Adjacent :",
           "Horizontal bearing to the adjacent support", b.unit(Degrees_Units));
    b.edit(horizontal, "Off_2S_Horiz_Bearing_Angle_Near_Edit", "Near :",
           "Horizontal bearing to the near (left) support");
    b.edit(horizontal, "Off_2S_Horiz_Bearing_Angle_Mid_Edit", "Middle :",
           "Arbitrary horizontal bearing to the middle of the span");
    b.edit(horizontal, "Off_2S_Horiz_Bearing_Angle_Far_Edit", "Far :",
           "Horizontal bearing to the far (right) support");

    const std::string vertical = "Off_2S_Vert_Angles_GroupBox";
    b.container(ControlKind::GroupBox, page, vertical, "Vertical Angles");
    b.label(vertical, "Off_2S_Vert_All_Angles_Label", "All Angles");
    b.edit(vertical, "Off_2S_Vert_Angle_Near_Edit", "Near :", "Vertical angle to the near support",
           b.unit(Degrees_Units));
    b.read_only(vertical, "Off_2S_Vert_Angle_Mid_Req_Edit", "Reqd Middle :",
                "Required vertical angle at mid-span");
    b.edit(vertical, "Off_2S_Vert_Angle_Mid_Act_Edit", "Actual Middle :",
           "Actual vertical angle to the cable at the middle bearing");
    b.edit(vertical, "Off_2S_Vert_Angle_Far_Edit", "Far :", "Vertical angle to the far support");
}

void add_offset_2_span(FormBuilder& b, Form& form) {
    const std::string page = "Offset_2_Span_TabSheet";
    b.edit(page, "Off_2S_Adjacent_Structure_Edit", "Adj Structure :", "Number of the adjacent structure");
    b.edit(page, "Off_2S_Adjacent_Span_Edit", "Adjacent Span :", "Adjacent span length",
           b.unit(Length_Units));
    add_offset_angles(b, page);

    const std::string sag = "Off_2S_Sag_GroupBox";
    b.container(ControlKind::GroupBox, page, sag, "Sag");
    b.read_only(sag, "Off_2S_Percent_Edit", "Mid Point :",
                "Place of the middle point along the span, percent from the near support",
                b.unit(Percent_Units));
    b.read_only(sag, "Off_2S_Reqd_Sag_Edit", "Required :", "Required sag", b.unit(Length_Units));
    b.read_only(sag, "Off_2S_Actual_Sag_Edit", "Actual :", "Actual sag", b.unit(Length_Units));
    // The page is the tallest: the band goes beside the sag, where its narrow group has room.
    add_actual_sag_band(b, sag, "Off_2S_Actual_Sag_Edit", true);
    b.read_only(sag, "Off_2S_Actual_Tension_Edit", "Tension :", "Actual tension");
    hide_from_screen(form, "Off_2S_Actual_Tension_Edit");
}

void add_height_stick(FormBuilder& b) {
    const std::string page = "Height_Stick_TabSheet";
    b.edit(page, "HSM_Near_Vert_Angle_Edit", "Vert Angle Near :", "Vertical angle to the near support",
           b.unit(Degrees_Units));
    b.edit(page, "HSM_Far_Vert_Angle_Edit", "Vert Angle Far :", "Vertical angle to the far support",
           b.unit(Degrees_Units));
    b.edit(page, "HSM_Theodolite_Height_Edit", "Theodolite Height :", "Theodolite height above ground",
           b.unit(Length_Units));
    b.edit(page, "HSM_Near_Distance_Edit", "Near Distance :",
           "Horizontal distance from the theodolite to the near structure", b.unit(Length_Units));
    b.read_only(page, "HSM_Required_Stick_Height_Edit", "Required Height :",
                "Required cable height above ground at the theodolite", b.unit(Length_Units));
    b.edit(page, "HSM_Actual_Stick_Height_Edit", "Actual Height :",
           "Actual cable height above ground at the theodolite", b.unit(Length_Units));
    add_sags(b, page, "HSM_Required_Sag_Edit", "HSM_Actual_Sag_Edit");
}

// The clinometer methods only measure a cable that hangs already; while
// sagging, the cover panel says so.
void add_clinometer(FormBuilder& b, const std::string& page, const std::string& prefix) {
    b.container(ControlKind::Panel, page, prefix + "Panel", "").covers_parent = true;
    b.label(prefix + "Panel", prefix + "Panel_Label", Cover_Text);
    b.edit(page, prefix + "Grad1_Edit", "Gradient Near :", "Gradient to the near structure",
           b.unit(Percent_Units));
    b.edit(page, prefix + "Grad2_Edit", "Gradient Far :", "Gradient to the far structure",
           b.unit(Percent_Units));
}

void add_clino_1_span(FormBuilder& b) {
    const std::string page = "Clino_1_Span_TabSheet";
    add_clinometer(b, page, "Clino_1_Tan_");
    b.edit(page, "Clino_1_Tan_L1_Edit", "L1 Distance :", "Distance L1 from the near structure",
           b.unit(Length_Units));
    b.read_only(page, "Clino_1_Tan_Actual_Sag_Edit", "Actual Sag :", "Actual sag", b.unit(Length_Units));
    add_actual_sag_band(b, page, "Clino_1_Tan_Actual_Sag_Edit");
    b.label(page, "Clino_1_Tan_Note_Label",
            "N.B.  If you are standing behind the Near Structure, then the gradient to the Far "
            "Structure should be a negative number !");
}

void add_clino_2_span(FormBuilder& b) {
    const std::string page = "Clino_2_Span_TabSheet";
    add_clinometer(b, page, "Clino_2_Tan_");
    b.read_only(page, "Clino_2_Tan_Actual_Sag_Edit", "Actual Sag :", "Actual sag", b.unit(Length_Units));
    add_actual_sag_band(b, page, "Clino_2_Tan_Actual_Sag_Edit");
}

void add_shunt_dynamometer(FormBuilder& b) {
    const std::string page = "Shunt_Dynamometer_TabSheet";
    b.edit(page, "Shunt_Dyn_Fulcrum_Seperation_Edit", "Fulcrum Separation :", "Fulcrum seperation",
           b.unit(Small_Length_Units));
    b.edit(page, "Shunt_Dyn_Deflection_Edit", "Deflection :", "Deflection", b.unit(Small_Length_Units));
    b.read_only(page, "Shunt_Dyn_Required_Force_Edit", "Required Force :", "Required deflection force",
                b.unit(Small_Force_Units));
    b.edit(page, "Shunt_Dyn_Actual_Force_Edit", "Force :", "Actual deflection force",
           b.unit(Small_Force_Units));
    b.read_only(page, "Shunt_Dyn_Required_Tension_Edit", "Required Tension :", "Required tension",
                b.unit(Force_Units));
    b.read_only(page, "Shunt_Dyn_Actual_Tension_Edit", "Actual Tension :", "Actual tension",
                b.unit(Force_Units));
    add_sags(b, page, "Shunt_Dyn_Required_Sag_Edit", "Shunt_Dyn_Actual_Sag_Edit");
}

}  // namespace

void add_method_page_fields(FormBuilder& b, Form& form) {
    add_sightboard(b);
    add_tangent_2_span(b, form);
    add_tangent_1_span(b, form);
    add_series_dynamometer(b);
    add_level_sighting(b);
    add_offset_2_span(b, form);
    add_height_stick(b);
    add_shunt_dynamometer(b);
    add_clino_1_span(b);
    add_clino_2_span(b);
}

void add_one_span_offset_group(FormBuilder& b) {
    for (const char* field : {
             "Off_1S_Near_Structure_Edit", "Off_1S_Far_Structure_Edit", "Off_1S_Actual_Span_Edit",
             "Off_1S_Tangent_Height_Near_Edit", "Off_1S_Tangent_Height_Mid_Edit",
             "Off_1S_Tangent_Height_Far_Edit", "Off_1S_Horiz_Angle_Near_Edit",
             "Off_1S_Horiz_Angle_Mid_Edit", "Off_1S_Horiz_Angle_Far_Edit",
             "Off_1S_Vert_Angle_Near_Edit", "Off_1S_Vert_Angle_Mid_Actual_Edit",
             "Off_1S_Vert_Angle_Far_Edit", "Off_1S_Slope_Dist_Near_Edit", "Off_1S_Slope_Dist_Mid_Edit",
             "Off_1S_Slope_Dist_Far_Edit", "Off_1S_Vert_Angle_to_Tangent_Near_Edit",
             "Off_1S_Vert_Angle_to_Tangent_Mid_Edit", "Off_1S_Vert_Angle_to_Tangent_Far_Edit",
         })
        b.hidden(ControlKind::Edit, field);
}

const std::vector<std::string>& method_input_fields() {
    static const std::vector<std::string> fields = {
        "Swing_Number_of_Swings_Edit",
        "Swing_Actual_Time_Edit",
        "LSM_Support_Height_Difference_Edit",
        "LSM_Actual_Telescope_Height_Edit",
        "SBM_Actual_Sag_Height_Near_Edit",
        "SBM_Actual_Sag_Height_Far_Edit",
        "WAVE_Number_of_Return_Waves_Edit",
        "WAVE_Actual_Time_Edit",
        "Shunt_Dyn_Fulcrum_Seperation_Edit",
        "Shunt_Dyn_Deflection_Edit",
        "Shunt_Dyn_Actual_Force_Edit",
        "Series_Dyn_Mechanical_Advantage_Edit",
        "Series_Dyn_Actual_Tension_Edit",
        "Off_2S_Adjacent_Structure_Edit",
        "Off_2S_Adjacent_Span_Edit",
        "Off_2S_Horiz_Bearing_Angle_Adjacent_Edit",
        "Off_2S_Horiz_Bearing_Angle_Near_Edit",
        "Off_2S_Horiz_Bearing_Angle_Mid_Edit",
        "Off_2S_Horiz_Bearing_Angle_Far_Edit",
        "Off_2S_Vert_Angle_Near_Edit",
        "Off_2S_Vert_Angle_Mid_Act_Edit",
        "Off_2S_Vert_Angle_Far_Edit",
        "Tan_1S_Thedolite_Height_Edit",
        "Tan_1S_Vert_Angle_Far_Edit",
        "Tan_1S_Act_Vertical_Angle_Mid_Edit",
        "Tan_2S_Adjacent_Structure_Edit",
        "Tan_2S_Adjacent_Span_Edit",
        "Tan_2S_Vert_Angle_Near_Edit",
        "Tan_2S_Act_Vertical_Angle_Mid_Edit",
        "Tan_2S_Vert_Angle_Far_Edit",
        "HSM_Near_Vert_Angle_Edit",
        "HSM_Far_Vert_Angle_Edit",
        "HSM_Theodolite_Height_Edit",
        "HSM_Actual_Stick_Height_Edit",
        "HSM_Near_Distance_Edit",
        "Clino_1_Tan_Grad1_Edit",
        "Clino_1_Tan_Grad2_Edit",
        "Clino_1_Tan_L1_Edit",
        "Clino_2_Tan_Grad1_Edit",
        "Clino_2_Tan_Grad2_Edit",
    };
    return fields;
}

}  // namespace vortan
