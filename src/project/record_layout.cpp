#include "project/record_layout.h"

#include "project/record_fields.h"
#include "project/record_splitter.h"


namespace vortan {

namespace {


constexpr FieldKind Int = FieldKind::Integer;
constexpr FieldKind Text = FieldKind::TypedText;
constexpr FieldKind Number = FieldKind::TypedNumber;
constexpr FieldKind Measure = FieldKind::Measure;
constexpr Quantity Length = Quantity::Length;
constexpr Quantity Small = Quantity::SmallLength;
constexpr Quantity Temperature = Quantity::Temperature;
}  // namespace

const std::vector<RecordField>& sag_span_layout() {
    static const std::vector<RecordField> layout = {
        {"Pole_Number_SpinEdit", Int},
        {"From_Tower_Edit", Text},
        {"To_Tower_Edit", Text},
        {"Span_Length_Edit", Measure, Length},
        {"Inspector_Surname_ComboBox", Int},
    };
    return layout;
}

const std::vector<RecordField>& cable_sag_layout() {
    static const std::vector<RecordField> layout = {
        {"Pole_Number_SpinEdit", Int},                                   // 1
        {"Cable_Type_ComboBox_Index_SpinEdit", Int},
        {"Cable_Position_ComboBox_Index_SpinEdit", Int},
        {"Cable_Code_Name_ComboBox_Index_SpinEdit", Int},
        {"Cable_Types_ListBox", FieldKind::ListIndex},                   // 5
        {"Cable_Positions_ListBox", FieldKind::ListIndex},
        {"Code_Name_ListBox", FieldKind::ListIndex},
        {"Sag_New_or_Existing_RadioGroup", Int},
        {"Sag_Date_Edit", Text},
        {"Hours_Since_Cable_Runout_Edit", Number},                         // 10
        {"Actual_Cable_Temperature_Edit", Measure, Temperature},
        {"Temperature_Compensation_Edit", Measure, Quantity::TemperatureDifference},
        {"Upper_Temperature_Degrees_Edit", Measure, Temperature},
        {"Lower_Temperature_Degrees_Edit", Measure, Temperature},
        {"Upper_Sag_Edit", Measure, Length},                             // 15
        {"Lower_Sag_Edit", Measure, Length},
        {"Required_Sag_Edit", Measure, Length},
        {"Actual_Sag_Edit", Measure, Length},
        {"Calc_Method_PageControl", Int},
        {"Swing_Number_of_Swings_Edit", Number},                           // 20
        {"Swing_Actual_Time_Edit", Number},
        {"LSM_Support_Height_Difference_Edit", Measure, Length},
        {"LSM_Actual_Telescope_Height_Edit", Measure, Length},
        {"SBM_Actual_Sag_Height_Near_Edit", Measure, Length},
        {"SBM_Actual_Sag_Height_Far_Edit", Measure, Length},             // 25
        {"WAVE_Number_of_Return_Waves_Edit", Number},
        {"WAVE_Actual_Time_Edit", Number},
        {"Shunt_Dyn_Fulcrum_Seperation_Edit", Measure, Small},
        {"Shunt_Dyn_Deflection_Edit", Measure, Small},
        {"Shunt_Dyn_Actual_Force_Edit", Measure, Quantity::Force},       // 30
        {"Series_Dyn_Mechanical_Advantage_Edit", Number},
        {"Series_Dyn_Actual_Tension_Edit", Measure, Quantity::LargeForce},
        {"Off_1S_Tangent_Height_Near_Edit", Measure, Length},
        {"Off_1S_Tangent_Height_Mid_Edit", Measure, Length},
        {"Off_1S_Tangent_Height_Far_Edit", Measure, Length},             // 35
        {"Off_1S_Horiz_Angle_Near_Edit", Number},
        {"Off_1S_Horiz_Angle_Mid_Edit", Number},
        {"Off_1S_Horiz_Angle_Far_Edit", Number},
        {"Off_1S_Vert_Angle_Near_Edit", Number},
        {"Off_1S_Vert_Angle_Mid_Actual_Edit", Number},                     // 40
        {"Off_1S_Vert_Angle_Far_Edit", Number},
        {"Off_1S_Slope_Dist_Near_Edit", Measure, Length},
        {"Off_1S_Slope_Dist_Mid_Edit", Measure, Length},
        {"Off_1S_Slope_Dist_Far_Edit", Measure, Length},
        {"Off_1S_Vert_Angle_to_Tangent_Near_Edit", Number},                // 45
        {"Off_1S_Vert_Angle_to_Tangent_Mid_Edit", Number},
        {"Off_1S_Vert_Angle_to_Tangent_Far_Edit", Number},
        {"Off_2S_Adjacent_Structure_Edit", Text},
        {"Off_2S_Adjacent_Span_Edit", Measure, Length},
        {"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", Number},              // 50
        {"Off_2S_Horiz_Bearing_Angle_Near_Edit", Number},
        {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", Number},
        {"Off_2S_Horiz_Bearing_Angle_Far_Edit", Number},
        {"Off_2S_Vert_Angle_Near_Edit", Number},
        {"Off_2S_Vert_Angle_Mid_Act_Edit", Number},                        // 55
        {"Off_2S_Vert_Angle_Far_Edit", Number},
        {"Tan_1S_Thedolite_Height_Edit", Measure, Length},
        {"Tan_1S_Vert_Angle_Far_Edit", Number},
        {"Tan_1S_Act_Vertical_Angle_Mid_Edit", Number},
        {"Tan_2S_Adjacent_Structure_Edit", Text},                        // 60
        {"Tan_2S_Adjacent_Span_Edit", Measure, Length},
        {"Tan_2S_Vert_Angle_Near_Edit", Number},
        {"Tan_2S_Act_Vertical_Angle_Mid_Edit", Number},
        {"Tan_2S_Vert_Angle_Far_Edit", Number},
        {"HSM_Near_Vert_Angle_Edit", Number},                              // 65
        {"HSM_Far_Vert_Angle_Edit", Number},
        {"HSM_Theodolite_Height_Edit", Measure, Length},
        {"HSM_Actual_Stick_Height_Edit", Measure, Length},
        {"HSM_Near_Distance_Edit", Measure, Length},
        {"Clino_1_Tan_Grad1_Edit", Number},                                // 70
        {"Clino_1_Tan_Grad2_Edit", Number},
        {"Clino_1_Tan_L1_Edit", Measure, Length},
        {"Clino_2_Tan_Grad1_Edit", Number},
        {"Clino_2_Tan_Grad2_Edit", Number},
    };
    return layout;
}

std::optional<int> record_integer(const std::string& record, int n) { return strict_integer(record_field(record, n)); }

std::optional<double> record_number(const std::string& record, int n) {
    const std::string text = record_field(record, n);
    const double value = text.empty() ? Abort_Value : Text_To_Number(text, NumberFormat{});
    if (value == Abort_Value) return std::nullopt;
    return value;
}

std::optional<Quantity> stored_quantity(const std::string& field) {
    for (const auto* layout : {&sag_span_layout(), &cable_sag_layout()})
        for (const RecordField& f : *layout)
            if (f.kind == FieldKind::Measure && field == f.name) return f.quantity;
    return std::nullopt;
}

void load_record_text(CalcContext& context, const RecordField& field, const std::string& stored) {
    if (field.kind == FieldKind::TypedNumber) {
        const bool file_separators = context.numbers.decimal == NumberFormat{}.decimal;
        context.form.set_text(field.name, file_separators ? stored
                                                          : rewritten_number(stored, NumberFormat{}, context.numbers)
                                                                .value_or(stored));
        return;
    }
    if (field.kind != FieldKind::Measure) {
        context.form.set_text(field.name, stored);
        return;
    }
    // The shown text stands for the stored value, which calculations use.
    context.form.set_shown(field.name,
                           display_text_of_stored(stored, field.quantity, context.imperial(), context.numbers), stored);
}

void load_cable_sag_texts(CalcContext& context, const std::string& record, int first, int last) {
    const std::vector<RecordField>& layout = cable_sag_layout();
    // Split once: asking for each field in turn would scan the record again for each.
    const RecordSplitter fields(record);
    for (int n = first; n <= last; ++n)
        load_record_text(context, layout[static_cast<size_t>(n - 1)], std::string(fields.field(n)));
}


}  // namespace vortan
