// Checking a cable: its actual sag against the sag the schedule asks for at
// the compensated temperature, within a tolerance of the program's settings.
#pragma once

#include "calc/calc_context.h"
#include "calc/precision/band.h"

#include <optional>
#include <string>

namespace vortan {

inline constexpr double Default_Sag_Tolerance_Percent = 1.5;

// What a supervisor can sign: the difference lies inside the tolerance even
// widened by the band (PASS), outside it even narrowed by it (FAIL), or the
// band straddles a limit (INCONCLUSIVE: observe again or more precisely).
enum class Verdict { Pass, Fail, Inconclusive };

// `band`: the 95 % half-width of the difference, in its unit; `limit` the tolerance in the same unit.
Verdict sag_verdict(double difference, double limit, double band);
const char* verdict_word(Verdict verdict);  // "PASS", "FAIL", "INCONCLUSIVE"
// The verdict and its reason, as Tolerance_Result_Edit shows it.
std::string verdict_text(Verdict verdict, const std::string& tolerance_percent);

struct SagTolerance {
    double required_sag;
    double difference;  // actual - required, in the length unit in force
    double percent;     // of the required sag
    Verdict verdict;
};

// Nothing unless both schedule rows and the compensated temperature are on
// the page as numbers and make a consistent schedule with a positive sag.
// `band`: the 95 % half-width of the difference.
std::optional<SagTolerance> check_sag_tolerance(const CalcContext& context, double actual_sag,
                                                double tolerance_percent, double band);

// The tolerance the settings hold, as typed on the Program Settings page; the
// default for an entry that is not a number above 0.
double sag_tolerance_percent(const std::string& text, const NumberFormat& numbers);

// Fills the tolerance fields of the main window after a successful run, or
// empties them when this run has nothing to compare.
// `band`: the run's band, when it has one.
void show_sag_tolerance(CalcContext& context, bool checking, double actual_sag, const std::string& tolerance_text,
                        const std::optional<ResultBand>& band);
void clear_sag_tolerance(Form& form);

}  // namespace vortan
