#include "calc/accuracy_notes.h"

#include "calc/precision/precision_notes.h"
#include "calc/sag_tolerance.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

std::string measure(const CalcContext& context, double value) {
    return format_number(value, pattern::Measure, context.numbers);
}

std::optional<std::string> tension_note(const CalcContext& context, const RunValues& run) {
    // Only the dynamometer methods find the horizontal tension.
    if (!(run.horizontal_tension > 0) || !(run.unit_weight > 0)) return std::nullopt;
    const double metric_sag = to_metric(context, Quantity::Length, run.sag());
    const double support = support_end_tension(run.horizontal_tension, run.unit_weight, metric_sag);
    if (!std::isfinite(support)) return std::nullopt;
    const std::string unit = context.imperial() ? "lbf" : "kN";
    return "Tension at the supports : " + measure(context, from_metric(context, Quantity::LargeForce, support)) +
           " " + unit + " (horizontal tension " +
           measure(context, from_metric(context, Quantity::LargeForce, run.horizontal_tension)) + " " + unit +
           " + cable weight x sag, level span).";
}

std::optional<std::string> catenary_note(const CalcContext& context, const RunValues& run) {
    const double rise = run.sketch.rise_or_level();
    auto difference = catenary_difference_percent(run.span_length, rise, run.sag());
    if (!difference || std::fabs(*difference) <= Catenary_Note_Percent) return std::nullopt;
    const double exact = run.sag() * (1 + *difference / 100);
    const std::string unit = context.imperial() ? "ft" : "m";
    return "Catenary : at the same horizontal tension the exact catenary sags " + measure(context, exact) + " " +
           unit + ", " + measure(context, std::fabs(*difference)) + " % " + (*difference > 0 ? "more" : "less") +
           " than the parabola these results use.";
}

}  // namespace

std::optional<double> catenary_sag(double span, double rise, double parabola_sag) {
    if (!(span > 0) || !(parabola_sag > 0) || !std::isfinite(rise) || !std::isfinite(span)) return std::nullopt;
    const double c = span * span / (8 * parabola_sag);
    const double half = span / (2 * c);
    // The low point's place a: rise = 2c sinh((L - 2a) / 2c) sinh(L / 2c).
    const double a = span / 2 - c * std::asinh(rise / (2 * c * std::sinh(half)));
    auto height = [&](double x) { return c * (std::cosh((x - a) / c) - std::cosh(a / c)); };
    const double sag = rise / 2 - height(span / 2);
    if (!std::isfinite(sag) || !std::isfinite(a)) return std::nullopt;
    return sag;
}

std::optional<double> catenary_difference_percent(double span, double rise, double parabola_sag) {
    auto exact = catenary_sag(span, rise, parabola_sag);
    if (!exact) return std::nullopt;
    const double percent = (*exact - parabola_sag) / parabola_sag * 100;
    if (!std::isfinite(percent)) return std::nullopt;
    return percent;
}

double support_end_tension(double horizontal_tension, double unit_weight, double metric_sag) {
    return horizontal_tension + unit_weight * metric_sag / 1000;
}

std::vector<std::string> accuracy_notes(const CalcContext& context, const RunValues& run) {
    std::vector<std::string> notes;
    for (auto note : {tension_note(context, run), catenary_note(context, run)})
        if (note) notes.push_back(*note);
    const double tolerance = sag_tolerance_percent(context.setup.text("Sag_Tolerance_Percent_Edit"), context.numbers);
    for (std::string& note :
         precision_notes(context, run, context.form.active_page("Calc_Method_PageControl"), tolerance))
        notes.push_back(std::move(note));
    return notes;
}

}  // namespace vortan
