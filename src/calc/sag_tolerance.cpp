#include "calc/sag_tolerance.h"

#include "calc/field_readers.h"
#include "calc/temperature_compensation.h"

#include <cmath>

namespace vortan {

namespace {

constexpr const char* Tolerance_Fields[] = {"Tolerance_Required_Sag_Edit", "Tolerance_Actual_Sag_Edit",
                                            "Tolerance_Difference_Edit", "Tolerance_Difference_Percent_Edit",
                                            "Tolerance_Uncertainty_Edit", "Tolerance_Result_Edit"};

// The number in a field, nothing for an empty field or other text.
std::optional<double> field_number(const CalcContext& context, const char* field) {
    const double value = field_value(context, field);
    if (value == Abort_Value) return std::nullopt;
    return value;
}

std::string percent_text(const CalcContext& context, double percent) {
    // One decimal: the tolerance itself is set to tenths of a percent.
    return format_number(percent, pattern::Time, context.numbers) + " %";
}

}  // namespace

Verdict sag_verdict(double difference, double limit, double band) {
    const double distance = std::fabs(difference);
    if (distance + band <= limit) return Verdict::Pass;
    if (distance - band > limit) return Verdict::Fail;
    return Verdict::Inconclusive;
}

const char* verdict_word(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pass: return "PASS";
    case Verdict::Fail: return "FAIL";
    case Verdict::Inconclusive: return "INCONCLUSIVE";
    }
    return "";
}

std::string verdict_text(Verdict verdict, const std::string& tolerance_percent) {
    // Short enough to be read whole in its field: the band's width is in the field above.
    const std::string within = "\xC2\xB1 " + tolerance_percent;
    switch (verdict) {
    case Verdict::Pass: return "PASS: band inside " + within;
    case Verdict::Fail: return "FAIL: band outside " + within;
    case Verdict::Inconclusive: return "INCONCLUSIVE: limit in band";
    }
    return "";
}

std::optional<SagTolerance> check_sag_tolerance(const CalcContext& context, double actual_sag,
                                                double tolerance_percent, double band) {
    auto upper = field_number(context, "Upper_Temperature_Degrees_Edit");
    auto upper_sag = field_number(context, "Upper_Sag_Edit");
    auto lower = field_number(context, "Lower_Temperature_Degrees_Edit");
    auto lower_sag = field_number(context, "Lower_Sag_Edit");
    auto compensated = field_number(context, "Compensated_Temperature_Degrees_Edit");
    if (!upper || !upper_sag || !lower || !lower_sag || !compensated) return std::nullopt;
    // The same consistency the sagging run demands of the rows.
    if (*upper < *lower || (*upper == *lower && *upper_sag != *lower_sag)) return std::nullopt;
    const double required = schedule_sag({*upper, *upper_sag, *lower, *lower_sag}, *compensated);
    if (!(required > 0) || !std::isfinite(required) || !std::isfinite(actual_sag)) return std::nullopt;
    const double difference = actual_sag - required;
    const double percent = difference / required * 100;
    if (!std::isfinite(percent)) return std::nullopt;
    return SagTolerance{required, difference, percent, sag_verdict(difference, required * tolerance_percent / 100, band)};
}

double sag_tolerance_percent(const std::string& text, const NumberFormat& numbers) {
    const double value = Text_To_Number(text, numbers);
    return value != Abort_Value && value > 0 ? value : Default_Sag_Tolerance_Percent;
}

void clear_sag_tolerance(Form& form) {
    for (const char* field : Tolerance_Fields) form.set_text(field, "");
}

void show_sag_tolerance(CalcContext& context, bool checking, double actual_sag, const std::string& tolerance_text,
                        const std::optional<ResultBand>& band) {
    clear_sag_tolerance(context.form);
    if (!checking) return;
    const double tolerance = sag_tolerance_percent(tolerance_text, context.numbers);
    const double combined = band ? band->combined() : 0;
    auto check = check_sag_tolerance(context, actual_sag, tolerance, combined);
    if (!check) {
        context.form.set_text("Tolerance_Result_Edit", "Enter both schedule rows to compare");
        return;
    }
    context.write("Tolerance_Required_Sag_Edit", check->required_sag, pattern::Measure);
    context.write("Tolerance_Actual_Sag_Edit", actual_sag, pattern::Measure);
    context.write("Tolerance_Difference_Edit", check->difference, pattern::Measure);
    context.form.set_text("Tolerance_Difference_Percent_Edit", percent_text(context, check->percent));
    if (band) context.write("Tolerance_Uncertainty_Edit", band->half_width, pattern::Measure);
    context.form.set_text("Tolerance_Result_Edit", verdict_text(check->verdict, percent_text(context, tolerance)));
}

}  // namespace vortan
