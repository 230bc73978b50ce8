#include "calc/precision/precision_notes.h"

#include "calc/field_readers.h"
#include "calc/precision/method_readings.h"

#include <cmath>
#include <optional>

namespace vortan {

namespace {

std::string number(const CalcContext& context, double value, const char* pattern) {
    return format_number(value, pattern, context.numbers);
}

std::string length_text(const CalcContext& context, double value) {
    return number(context, value, pattern::Measure) + (context.imperial() ? " ft" : " m");
}

const ReadingEffect* effect_of(const ResultBand& band, const char* field) {
    for (const ReadingEffect& effect : band.effects)
        if (std::string(effect.field) == field) return &effect;
    return nullptr;
}

// How precisely the instruction must be observed, given the spread the
// other readings and the cable temperature leave within the tolerance.
std::string instruction_note(const CalcContext& context, const RunValues& run, const MethodReadings& readings,
                             const ResultBand& band, double tolerance_percent) {
    const ReadingEffect* output = effect_of(band, readings.fed_back);
    if (output == nullptr || !(output->sag > 0)) return "";
    const double limit = run.required_sag * tolerance_percent / 100;
    const double others = std::sqrt(std::max(0.0, band.combined() * band.combined() - output->sag * output->sag));
    const std::string within = " for the sag to hold the \xC2\xB1 " + number(context, tolerance_percent, pattern::Time) + " % tolerance.";
    if (others >= limit)
        return "Even observed exactly, the other readings and the cable temperature spread the sag by \xC2\xB1 " +
               length_text(context, others) + ", beyond the tolerance of \xC2\xB1 " + length_text(context, limit) +
               ": use a more precise method or instrument.";
    const double allowed = std::sqrt(limit * limit - others * others);
    const double needed = output->precision * allowed / output->sag;
    if (readings.count != nullptr) {
        const double count = field_value(context, readings.count);
        if (count == Abort_Value || !(count > 0)) return "";
        const double least = std::ceil(count * output->sag / allowed - 1e-9);
        return "Time at least " + number(context, std::max(1.0, least), "##0") + " " +
               (std::string(readings.count).find("Swing") != std::string::npos ? "swings" : "returns") + within;
    }
    std::string amount;
    switch (output->kind) {
    case ReadingKind::Angle: amount = number(context, needed, "##0.0") + "\""; break;
    case ReadingKind::Force: amount = number(context, needed / std::fabs(field_value(context, readings.fed_back)) * 100,
                                             "##0.0") + " % of the reading"; break;
    default: amount = length_text(context, needed); break;
    }
    return "Read " + std::string(readings.output_name) + " within \xC2\xB1 " + amount + within;
}

std::string touch_note(const CalcContext& context, const RunValues& run, const ResultBand& band) {
    if (!band.touch || !(run.span_length > 0)) return "";
    const double fraction = *band.touch / run.span_length;
    const double factor = control_factor(fraction);
    if (factor >= Least_Good_Control) return "";
    return "The sight line touches at " + number(context, fraction * 100, pattern::Percent) +
           " % of the span: move the instrument so that it touches between 25 % and 75 % of the span, where a "
           "reading controls the sag best (control factor " + number(context, factor, "0.00") + " here).";
}

}  // namespace

double control_factor(double touch_fraction) { return 4 * touch_fraction * (1 - touch_fraction); }

std::vector<std::string> precision_notes(const CalcContext& context, const RunValues& run, int page,
                                         double tolerance_percent) {
    const MethodReadings* readings = method_readings(page);
    if (readings == nullptr || !run.band) return {};
    const ResultBand& band = *run.band;
    std::vector<std::string> notes;
    if (run.sagging && readings->sag_output != nullptr) {
        notes.push_back("Band (95 %) : followed as shown, the instruction hangs the cable at " +
                        length_text(context, run.required_sag) + " \xC2\xB1 " + length_text(context, band.combined()) +
                        ", the readings and the cable temperature taken to the precision set under Setup.");
        notes.push_back(instruction_note(context, run, *readings, band, tolerance_percent));
    }
    notes.push_back(touch_note(context, run, band));
    std::erase(notes, std::string());
    return notes;
}

}  // namespace vortan
