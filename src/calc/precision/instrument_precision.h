// The precision a crew reads its instruments to, kept with the project: each
// value is the 95 % bound of one reading. Every result's band is worked out
// from these.
#pragma once

#include "calc/number_text.h"
#include "calc/unit_conversion.h"
#include "form/form.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan {

// What a reading is, for the precision it is taken to.
enum class ReadingKind {
    Angle,        // a vertical or horizontal circle reading: seconds of arc
    Time,         // a stopwatch time: seconds
    Length,       // a measured length, height or board reading: metres
    Span,         // a span length: metres
    Force,        // a dynamometer reading: percent of the reading
    Gradient,     // a clinometer gradient: percent (of slope)
    Temperature,  // the cable temperature: degrees Celsius
    Exact,        // an instrument constant or a count: no reading error
};

struct PrecisionSetting {
    ReadingKind kind;
    const char* field;    // the setup editor's edit; the master file's key too
    const char* caption;  // its leading label
    const char* hint;
    double metric_default;  // in the metric unit below
    // The unit shown in either system; a length or temperature is shown in
    // the units in force (a temperature as a difference, without the 32).
    std::optional<Quantity> quantity;  // Length or TemperatureDifference
    const char* metric_unit;
    const char* imperial_unit;
};

// The seven settings, in the order the setup editor lays them out.
const std::vector<PrecisionSetting>& precision_settings();
const PrecisionSetting& precision_setting(ReadingKind kind);

struct InstrumentPrecision {
    double angle_seconds = 10;
    double time_seconds = 0.2;
    double length_metres = 0.02;
    double span_metres = 0.1;
    double force_percent = 1;
    double gradient_percent = 0.1;
    double temperature_celsius = 1;

    // The precision of a reading of this kind in its metric unit (0 for Exact).
    double metric(ReadingKind kind) const;
};

// The value of a typed precision: a number of 0 or more, or nothing.
std::optional<double> precision_value(const std::string& text, const NumberFormat& numbers);

// The settings of the setup editor, read in the units in force (or from the
// stored metric text a field shows); a field that holds no number of 0 or
// more gives its default.
InstrumentPrecision instrument_precision(const Form& setup, const NumberFormat& numbers);

// The metric text a master file keeps for a setting shown in the units in force
// ("." as decimal point), and the text shown for a stored one. An unreadable
// or negative value stores or shows the default.
std::string precision_storage_text(const PrecisionSetting& setting, const std::string& shown, bool imperial,
                                   const NumberFormat& numbers);
std::string precision_display_text(const PrecisionSetting& setting, const std::string& stored, bool imperial,
                                   const NumberFormat& numbers);

}  // namespace vortan
