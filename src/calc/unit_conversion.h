// The six quantity kinds and the conversion of one value between metric and
// the unit system in force.
#pragma once

#include "calc/calc_context.h"

namespace vortan {

enum class Quantity {
    Length = 0,       // m <-> ft
    SmallLength = 1,  // mm <-> in
    Temperature = 2,  // degrees C <-> degrees F
    MassPerLength = 3,// kg/km <-> lbs/mile
    Force = 4,        // N <-> lbf
    LargeForce = 5,   // kN <-> lbf
    // A difference of two temperatures (the creep allowance): degrees C <->
    // degrees F by the factor 1.8 alone, without the offset of the freezing point.
    TemperatureDifference = 6,
};

// One pound-force in newtons (standard gravity on the avoirdupois pound).
inline constexpr double Newtons_Per_Pound_Force = 4.4482216152605;

double metric_to_imperial(Quantity kind, double metric);
double imperial_to_metric(Quantity kind, double imperial);

// A metric value (a reader's bound) in the units in force.
double Convert_Limit(const CalcContext& context, Quantity kind, double metric);
// A value in the units in force, in metric; used to evaluate formulas in metric.
double to_metric(const CalcContext& context, Quantity kind, double value);
double from_metric(const CalcContext& context, Quantity kind, double metric);

// In place: the metric value of a field shown in the units in force ("###,###,##0.00").
void Convert_Field_To_Display(CalcContext& context, const std::string& field, Quantity kind);
// In place: a field's value in the units in force turned into metric ("##0.00000000").
void Convert_Field_To_Metric(CalcContext& context, const std::string& field, Quantity kind);

// The text a record or setup line stores for a measure typed in the units in
// force: metric, with "." as decimal point and no grouping, on every machine.
// Metric text keeps the digits as typed; imperial text is converted to eight
// decimals; an empty or unreadable text is stored as it is.
std::string metric_storage_text(const std::string& typed, Quantity kind, bool imperial,
                                const NumberFormat& numbers);

// The text a field shows for a stored metric measure, in the units in force.
// Metric text keeps every stored digit, with the decimal separator in force.
std::string display_text_of_stored(const std::string& stored, Quantity kind, bool imperial,
                                   const NumberFormat& numbers);

}  // namespace vortan
