// Angles typed in DDD.MMSS, the vertical circle of the theodolite, and the
// conversions between circle readings and inclinations.
#pragma once

#include "calc/calc_context.h"

#include <optional>
#include <string>

namespace vortan {

enum class AngleKind { Horizontal, Vertical };
enum class VerticalCircle { None, Zenith, Altitude, Nadir };

// The circle set in the setup editor; when several are set, the first of
// Altitude, Zenith, Nadir counts.
VerticalCircle vertical_circle(const Form& setup);
// "Altitude", "Zenith", "Nadir" or "Unknown", for Theodolite_Type_Edit.
std::string vertical_circle_name(const Form& setup);

// The degrees a DDD.MMSS entry stands for, or nothing for a format error.
std::optional<double> DDDMMSS_Text_To_Degrees(const std::string& text, const NumberFormat& numbers);

// The angle in radians (an inclination for a vertical angle), or Abort_Value.
double Read_Angle_Field(CalcContext& context, const std::string& field, const std::string& caption, int page,
                        AngleKind kind);

// Degrees in, degrees out.
double Reading_To_Inclination(VerticalCircle circle, double reading);
double Inclination_To_Reading(VerticalCircle circle, double inclination);
double Degrees_To_DDDMMSS(double degrees);
double Degrees_To_Radians(double degrees);
double Radians_To_Degrees(double radians);
// The angle between two horizontal directions in radians, never more than pi.
double Horizontal_Angle_Between(double a, double b);
// x brought within [-|m|, |m|]; exactly +-m stays; not a number for a value that is not finite.
double Reduce_Angle(double x, double m);

}  // namespace vortan
