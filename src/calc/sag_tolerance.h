// Checking a cable: its actual sag against the sag the schedule asks for at
// the compensated temperature, within a tolerance of the program's settings.
#pragma once

#include "calc/calc_context.h"

#include <optional>
#include <string>

namespace vortan {

inline constexpr double Default_Sag_Tolerance_Percent = 1.5;

struct SagTolerance {
    double required_sag;
    double difference;  // actual - required, in the length unit in force
    double percent;     // of the required sag
    bool pass;          // |percent| within the tolerance
};

// Nothing unless both schedule rows and the compensated temperature are on
// the page as numbers and make a consistent schedule with a positive sag.
std::optional<SagTolerance> check_sag_tolerance(const CalcContext& context, double actual_sag,
                                                double tolerance_percent);

// The tolerance the settings hold, as typed on the Program Settings page; the
// default for an entry that is not a number above 0.
double sag_tolerance_percent(const std::string& text, const NumberFormat& numbers);

// Fills the tolerance fields of the main window after a successful run, or
// empties them when this run has nothing to compare.
void show_sag_tolerance(CalcContext& context, bool checking, double actual_sag, const std::string& tolerance_text);
void clear_sag_tolerance(Form& form);

}  // namespace vortan
