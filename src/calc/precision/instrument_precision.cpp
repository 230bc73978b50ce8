#include "calc/precision/instrument_precision.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vortan {

namespace {

// Shown to four decimals, without the zeros that would follow: "10", "0.0656".
constexpr const char* Precision_Pattern = "##0.0000";

double shown_value(const PrecisionSetting& setting, double metric, bool imperial) {
    return imperial && setting.quantity ? metric_to_imperial(*setting.quantity, metric) : metric;
}

double metric_value(const PrecisionSetting& setting, double shown, bool imperial) {
    return imperial && setting.quantity ? imperial_to_metric(*setting.quantity, shown) : shown;
}

// The value of a setting's text in its metric unit, or its default.
double metric_of(const PrecisionSetting& setting, const std::string& text, bool imperial,
                 const NumberFormat& numbers) {
    const std::optional<double> value = precision_value(text, numbers);
    return value ? metric_value(setting, *value, imperial) : setting.metric_default;
}

std::string without_trailing_zeros(std::string text, const std::string& decimal) {
    const size_t point = decimal.empty() ? std::string::npos : text.find(decimal);
    if (point == std::string::npos) return text;
    const size_t last = text.find_last_not_of('0');
    text.erase(last + 1);
    if (text.size() == point + decimal.size()) text.erase(point);
    return text;
}

// Ten significant digits, never an exponent: the reader takes no "3e-06",
// so a small precision would come back as the default.
std::string plain_text(double value) {
    char text[400];
    std::snprintf(text, sizeof text, "%.10g", value);
    if (std::string(text).find('e') == std::string::npos) return text;
    const int decimals = std::clamp(9 - static_cast<int>(std::floor(std::log10(value))), 0, 300);
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return without_trailing_zeros(text, ".");
}

}  // namespace

std::optional<double> precision_value(const std::string& text, const NumberFormat& numbers) {
    const double value = text.empty() ? Abort_Value : Text_To_Number(text, numbers);
    if (value == Abort_Value || !(value >= 0)) return std::nullopt;
    return value;
}

const std::vector<PrecisionSetting>& precision_settings() {
    static const std::vector<PrecisionSetting> settings = {
        {ReadingKind::Angle, "Angle_Precision_Edit", "Angles :",
         "95 % bound of one vertical or horizontal circle reading, in seconds of arc", 10, std::nullopt, "\"", "\""},
        {ReadingKind::Time, "Time_Precision_Edit", "Stopwatch Times :",
         "95 % bound of one stopwatch time, in seconds", 0.2, std::nullopt, "s", "s"},
        {ReadingKind::Length, "Length_Precision_Edit", "Lengths and Heights :",
         "95 % bound of one measured length, height or sightboard reading", 0.02, Quantity::Length, "m", "ft"},
        {ReadingKind::Span, "Span_Precision_Edit", "Span Lengths :", "95 % bound of a span length", 0.1,
         Quantity::Length, "m", "ft"},
        {ReadingKind::Force, "Force_Precision_Edit", "Dynamometer Readings :",
         "95 % bound of one dynamometer reading, in percent of the reading", 1, std::nullopt, "%", "%"},
        {ReadingKind::Gradient, "Gradient_Precision_Edit", "Gradients :",
         "95 % bound of one clinometer gradient, in percent", 0.1, std::nullopt, "%", "%"},
        {ReadingKind::Temperature, "Temperature_Precision_Edit", "Cable Temperature :",
         "95 % bound of the cable temperature", 1, Quantity::TemperatureDifference, "\xC2\xB0" "C", "\xC2\xB0" "F"},
    };
    return settings;
}

const PrecisionSetting& precision_setting(ReadingKind kind) {
    for (const PrecisionSetting& setting : precision_settings())
        if (setting.kind == kind) return setting;
    return precision_settings().front();
}

double InstrumentPrecision::metric(ReadingKind kind) const {
    switch (kind) {
    case ReadingKind::Angle: return angle_seconds;
    case ReadingKind::Time: return time_seconds;
    case ReadingKind::Length: return length_metres;
    case ReadingKind::Span: return span_metres;
    case ReadingKind::Force: return force_percent;
    case ReadingKind::Gradient: return gradient_percent;
    case ReadingKind::Temperature: return temperature_celsius;
    case ReadingKind::Exact: return 0;
    }
    return 0;
}

InstrumentPrecision instrument_precision(const Form& setup, const NumberFormat& numbers) {
    const bool imperial = setup.item_index("Units_of_Measure_RadioGroup") == 1;
    auto value = [&](ReadingKind kind) {
        const PrecisionSetting& setting = precision_setting(kind);
        if (!setup.has(setting.field)) return setting.metric_default;
        // A shown value stands for the metric text it was made from, which
        // its rounded display in feet or degrees Fahrenheit is not.
        const std::string& source = setup.source(setting.field);
        return source.empty() ? metric_of(setting, setup.text(setting.field), imperial, numbers)
                              : metric_of(setting, source, false, NumberFormat{});
    };
    InstrumentPrecision p;
    p.angle_seconds = value(ReadingKind::Angle);
    p.time_seconds = value(ReadingKind::Time);
    p.length_metres = value(ReadingKind::Length);
    p.span_metres = value(ReadingKind::Span);
    p.force_percent = value(ReadingKind::Force);
    p.gradient_percent = value(ReadingKind::Gradient);
    p.temperature_celsius = value(ReadingKind::Temperature);
    return p;
}

std::string precision_storage_text(const PrecisionSetting& setting, const std::string& shown, bool imperial,
                                   const NumberFormat& numbers) {
    return plain_text(metric_of(setting, shown, imperial, numbers));
}

std::string precision_display_text(const PrecisionSetting& setting, const std::string& stored, bool imperial,
                                   const NumberFormat& numbers) {
    const double metric = metric_of(setting, stored, false, NumberFormat{});
    return without_trailing_zeros(format_number(shown_value(setting, metric, imperial), Precision_Pattern, numbers),
                                  numbers.decimal);
}

}  // namespace vortan
