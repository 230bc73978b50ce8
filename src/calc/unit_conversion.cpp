#include "calc/unit_conversion.h"

namespace vortan {

namespace {
constexpr double Feet_Per_Metre = 3.281;
constexpr double Inches_Per_Millimetre = 0.039372;
constexpr double Kg_Per_Km_Per_Lbs_Per_Mile = 0.28186519096434726;
}  // namespace

double metric_to_imperial(Quantity kind, double metric) {
    switch (kind) {
    case Quantity::Length: return metric * Feet_Per_Metre;
    case Quantity::SmallLength: return metric * Inches_Per_Millimetre;
    case Quantity::Temperature: return metric * 9.0 / 5.0 + 32.0;
    case Quantity::MassPerLength: return metric / Kg_Per_Km_Per_Lbs_Per_Mile;
    case Quantity::Force: return metric / Newtons_Per_Pound_Force;
    case Quantity::LargeForce: return metric * 1000.0 / Newtons_Per_Pound_Force;
    case Quantity::TemperatureDifference: return metric * 9.0 / 5.0;
    }
    return metric;
}

double imperial_to_metric(Quantity kind, double imperial) {
    switch (kind) {
    case Quantity::Length: return imperial / Feet_Per_Metre;
    case Quantity::SmallLength: return imperial / Inches_Per_Millimetre;
    case Quantity::Temperature: return (imperial - 32.0) * 5.0 / 9.0;
    case Quantity::MassPerLength: return imperial * Kg_Per_Km_Per_Lbs_Per_Mile;
    case Quantity::Force: return imperial * Newtons_Per_Pound_Force;
    case Quantity::LargeForce: return imperial * Newtons_Per_Pound_Force / 1000.0;
    case Quantity::TemperatureDifference: return imperial * 5.0 / 9.0;
    }
    return imperial;
}

double Convert_Limit(const CalcContext& context, Quantity kind, double metric) {
    return context.imperial() ? metric_to_imperial(kind, metric) : metric;
}

double to_metric(const CalcContext& context, Quantity kind, double value) {
    return context.imperial() ? imperial_to_metric(kind, value) : value;
}

double from_metric(const CalcContext& context, Quantity kind, double metric) {
    return Convert_Limit(context, kind, metric);
}

void Convert_Field_To_Display(CalcContext& context, const std::string& field, Quantity kind) {
    const std::string& text = context.form.text(field);
    if (text.empty()) return;
    double value = Text_To_Number(text, context.numbers);
    if (value == Abort_Value) return;
    context.write(field, from_metric(context, kind, value), pattern::Measure);
}

void Convert_Field_To_Metric(CalcContext& context, const std::string& field, Quantity kind) {
    const std::string& text = context.form.text(field);
    if (text.empty() || !context.imperial()) return;
    double value = Text_To_Number(text, context.numbers);
    if (value == Abort_Value) return;
    context.write(field, imperial_to_metric(kind, value), pattern::Stored);
}

namespace {
bool is_file_format(const NumberFormat& numbers) {
    const NumberFormat file;
    return numbers.thousands == file.thousands && numbers.decimal == file.decimal;
}
}  // namespace

std::string metric_storage_text(const std::string& typed, Quantity kind, bool imperial,
                                const NumberFormat& numbers) {
    if (!imperial) return rewritten_number(typed, numbers, NumberFormat{}).value_or(typed);
    double value = typed.empty() ? Abort_Value : Text_To_Number(typed, numbers);
    if (value == Abort_Value) return typed;
    return format_number(imperial_to_metric(kind, value), pattern::Stored, NumberFormat{});
}

std::string display_text_of_stored(const std::string& stored, Quantity kind, bool imperial,
                                   const NumberFormat& numbers) {
    if (!imperial && is_file_format(numbers)) return stored;
    if (!imperial) return rewritten_number(stored, NumberFormat{}, numbers).value_or(stored);
    double value = stored.empty() ? Abort_Value : Text_To_Number(stored, NumberFormat{});
    if (value == Abort_Value) return stored;
    return format_number(metric_to_imperial(kind, value), pattern::Measure, numbers);
}

}  // namespace vortan
