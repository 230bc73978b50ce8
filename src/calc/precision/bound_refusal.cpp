#include "calc/precision/bound_refusal.h"

#include "calc/field_readers.h"
#include "calc/number_text.h"
#include "calc/precision/method_readings.h"
#include "calc/sight_line_touch.h"

#include <cmath>

namespace vortan {

namespace {

std::string length_text(const CalcContext& context, double value) {
    return format_number(value, pattern::Measure, context.numbers) + (context.imperial() ? " ft" : " m");
}

// A touch this near a support, or a reading whose precision takes the line
// off the span, leaves a sighting through the support: it bounds the sag.
bool touches_at_support(const RunValues& run, const ResultBand& band) {
    if (!band.touch) return false;
    const double margin = band.touch_half_width;
    return band.touch_leaves_span() || *band.touch <= margin || *band.touch >= run.span_length - margin;
}

bool nearer_the_near_support(const RunValues& run, const ResultBand& band) {
    return band.touch && *band.touch < run.span_length / 2;
}

void refuse_bounding_sighting(CalcContext& context, const RunValues& run, const ResultBand& band) {
    const bool near = nearer_the_near_support(run, band);
    const std::string support = near ? "the near support" : "the far support";
    const char* advice = run.touch_advice == nullptr       ? "Use another method."
                         : near ? run.touch_advice->behind_near : run.touch_advice->beyond_far;
    if (run.sagging) {
        show_error(context, "Error : This sighting cannot be set out.  Within the precision of the readings the sight "
                            "line would touch the cable at " + support +
                                ", where a sighting only bounds the sag and does not show it.\n\r\n\r" + advice);
        return;
    }
    show_error(context, "Error : This sighting only bounds the sag: the cable hangs at most " +
                            length_text(context, band.sag + band.half_width) +
                            ".  Within the precision of the readings the sight line touches the cable at " + support +
                            ", so the reading does not show the sag itself.\n\r\n\r" + advice);
}

void refuse_no_sag(CalcContext& context, const MethodReadings& readings, const ResultBand& band) {
    show_error(context, "Error : These observations only bound the sag: the cable hangs at most " +
                            length_text(context, std::max(0.0, band.sag) + band.half_width) + ", and within the "
                            "precision of the readings " + readings.output_name +
                            " cannot tell that sag from none.\n\r\n\rObserve again, or use a more precise method.");
}

// The sag the rounding of the instruction as shown may move, to first order.
double shown_rounding(const CalcContext& context, const ResultBand& band, const MethodReadings& readings) {
    for (const ReadingEffect& effect : band.effects) {
        if (std::string(effect.field) != readings.fed_back) continue;
        double half_step = 0.5;  // an angle: half a second
        if (effect.kind != ReadingKind::Angle) {
            const std::string& shown = context.form.text(readings.sag_output);
            const size_t point = shown.find(context.numbers.decimal);
            const size_t decimals = point == std::string::npos ? 0 : shown.size() - point - 1;
            half_step = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
        }
        return effect.sensitivity * half_step;
    }
    return 0;
}

void refuse_instruction(CalcContext& context, const RunValues& run, const MethodReadings& readings) {
    const std::string asked = context.form.text(readings.sag_output);
    show_error(context, "Error : No observation can follow this instruction.  Checked as it would be observed, "
                        "the reading it asks for of " + std::string(readings.output_name) + " (" + asked +
                        ") does not give the required sag of " + length_text(context, run.required_sag) +
                        " within the readings the method takes.\n\r\n\rCheck the input data, or use another method.");
}

}  // namespace

bool refuse_unfounded_result(CalcContext& context, const RunValues& run, int page,
                             const std::optional<ResultBand>& band) {
    const MethodReadings* readings = method_readings(page);
    if (readings == nullptr) return false;
    if (band && touches_at_support(run, *band)) {
        refuse_bounding_sighting(context, run, *band);
        return true;
    }
    const bool instructed = run.sagging && readings->sag_output != nullptr;
    if (instructed) {
        // The instruction read back must give the sag it was worked out for,
        // within its band and the rounding of the instruction as shown.
        const double slack = std::max(band ? band->half_width : 0.0, 0.01 * run.required_sag) +
                             (band ? 2 * shown_rounding(context, *band, *readings) : 0.0);
        if (!band || !(std::fabs(band->sag - run.required_sag) <= slack)) {
            refuse_instruction(context, run, *readings);
            return true;
        }
    }
    if (!band) return false;
    if (!run.sagging && !(band->sag - band->half_width > 0)) {
        refuse_no_sag(context, *readings, *band);
        return true;
    }
    return false;
}

}  // namespace vortan
