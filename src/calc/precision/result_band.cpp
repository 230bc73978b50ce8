#include "calc/precision/result_band.h"

#include "calc/angle_entry.h"
#include "calc/field_readers.h"
#include "calc/precision/method_readings.h"
#include "calc/unit_conversion.h"

#include <cmath>

namespace vortan {

namespace {

constexpr const char* Fine_Pattern = "##0.0000000000";
constexpr double Seconds_Per_Degree = 3600;

// A reading moved by a step, as text the method reads; the step actually
// taken (angles are typed to the whole second).
struct Move {
    std::string text;
    double step;
};

std::optional<Move> moved_angle(const CalcContext& context, const std::string& text, double seconds, int side) {
    const auto degrees = DDDMMSS_Text_To_Degrees(text, context.numbers);
    if (!degrees) return std::nullopt;
    const double whole_seconds = std::max(1.0, std::round(seconds));
    const double moved = *degrees + side * whole_seconds / Seconds_Per_Degree;
    return Move{format_number(Degrees_To_DDDMMSS(moved), pattern::Angle, context.numbers), whole_seconds};
}

// The precision of a reading in its field's own unit in force.
double field_precision(const CalcContext& context, ReadingKind kind, double value, const InstrumentPrecision& p) {
    const double metric = p.metric(kind);
    switch (kind) {
    case ReadingKind::Length:
    case ReadingKind::Span: return from_metric(context, Quantity::Length, metric) - from_metric(context, Quantity::Length, 0);
    case ReadingKind::Force: return std::fabs(value) * metric / 100;
    default: return metric;
    }
}

// The number a field of `fields` stands for, or nothing.
std::optional<double> number_in(const CalcContext& context, Form& fields, const char* field) {
    const CalcContext reader{fields, context.setup, context.port, context.numbers};
    const double value = field_value(reader, field);
    if (value == Abort_Value) return std::nullopt;
    return value;
}

std::optional<Move> moved_reading(const CalcContext& context, Form& fields, const MethodReading& reading,
                                  double precision, int side) {
    const std::string& text = fields.text(reading.field);
    if (reading.kind == ReadingKind::Angle) return moved_angle(context, text, precision, side);
    const auto value = number_in(context, fields, reading.field);
    if (!value) return std::nullopt;
    return Move{format_number(*value + side * precision, Fine_Pattern, context.numbers), precision};
}

// One side's change of the outcome per unit of precision, if the run went.
struct Side {
    std::optional<ScratchOutcome> outcome;
    double step = 0;
};

class Perturbation {
public:
    Perturbation(const CalcContext& context, const RunValues& run, int page, ScratchRun& scratch,
                 const ScratchOutcome& nominal)
        : context_(context), run_(run), page_(page), scratch_(scratch), nominal_(nominal) {}

    ReadingEffect reading(const MethodReading& reading, const InstrumentPrecision& p) {
        Form& fields = scratch_.form();
        const double value = reading.kind == ReadingKind::Angle ? 0 : number_in(context_, fields, reading.field).value_or(0);
        ReadingEffect effect{reading.field, reading.kind, field_precision(context_, reading.kind, value, p)};
        // An exact reading is still moved, by the default precision, for its sensitivity.
        const double step = effect.precision > 0 ? effect.precision
                                                 : field_precision(context_, reading.kind, value, InstrumentPrecision{});
        if (!(step > 0)) return effect;
        const std::string text = fields.text(reading.field), source = fields.source(reading.field);
        // Both moves from the reading as typed, before either is put in the field.
        const std::optional<Move> moves[2] = {moved_reading(context_, fields, reading, step, 1),
                                              moved_reading(context_, fields, reading, step, -1)};
        Side sides[2];
        for (int i = 0; i < 2; ++i) {
            if (!moves[i]) continue;
            fields.set_text(reading.field, moves[i]->text);
            sides[i] = {scratch_.check(context_, page_, run_, false), moves[i]->step};
        }
        if (source.empty())
            fields.set_text(reading.field, text);
        else
            fields.set_shown(reading.field, text, source);
        combine(effect, sides);
        return effect;
    }

    ReadingEffect span(const InstrumentPrecision& p) {
        ReadingEffect effect{"Span_Length_Edit", ReadingKind::Span, field_precision(context_, ReadingKind::Span, 0, p)};
        if (!(effect.precision > 0)) return effect;
        Side sides[2];
        for (int i = 0; i < 2; ++i) {
            RunValues moved = run_;
            moved.span_length += (i == 0 ? 1 : -1) * effect.precision;
            sides[i] = {scratch_.check(context_, page_, moved, false), effect.precision};
        }
        combine(effect, sides);
        return effect;
    }

private:
    // Central where both sides ran, one-sided where one did; a sighting that
    // leaves the span on either side is told apart.
    void combine(ReadingEffect& effect, const Side (&sides)[2]) const {
        auto change = [&](const Side& side, auto member) {
            return (member(*side.outcome) - member(nominal_)) / side.step;
        };
        auto sag = [](const ScratchOutcome& o) { return o.sag; };
        auto touch = [](const ScratchOutcome& o) { return o.touch.value_or(0); };
        const bool up = sides[0].outcome.has_value(), down = sides[1].outcome.has_value();
        if (nominal_.touch && (!up || !down)) effect.off_span = true;
        if (up && down) {
            effect.sag = (change(sides[0], sag) - change(sides[1], sag)) / 2;
            effect.touch = (change(sides[0], touch) - change(sides[1], touch)) / 2;
        } else if (up || down) {
            const Side& side = up ? sides[0] : sides[1];
            effect.sag = change(side, sag);
            effect.touch = change(side, touch);
        }
        effect.sensitivity = std::fabs(effect.sag);
        effect.sag = effect.sensitivity * effect.precision;
        effect.touch = std::fabs(effect.touch) * effect.precision;
        if (!(effect.precision > 0)) effect.off_span = false;
    }

    const CalcContext& context_;
    const RunValues& run_;
    int page_;
    ScratchRun& scratch_;
    ScratchOutcome nominal_;
};

}  // namespace

double required_sag_half_width(const CalcContext& context, Form& fields, const InstrumentPrecision& precision) {
    const auto upper = number_in(context, fields, "Upper_Temperature_Degrees_Edit");
    const auto lower = number_in(context, fields, "Lower_Temperature_Degrees_Edit");
    const auto upper_sag = number_in(context, fields, "Upper_Sag_Edit");
    const auto lower_sag = number_in(context, fields, "Lower_Sag_Edit");
    if (!upper || !lower || !upper_sag || !lower_sag || !(*upper > *lower)) return 0;
    const double slope = (*upper_sag - *lower_sag) / (*upper - *lower);
    const double degrees = from_metric(context, Quantity::TemperatureDifference, precision.temperature_celsius);
    const double half_width = std::fabs(slope) * degrees;
    return std::isfinite(half_width) ? half_width : 0;
}

std::optional<ResultBand> result_band(const CalcContext& context, const RunValues& run, int page,
                                      const InstrumentPrecision& precision, ScratchRun& scratch) {
    const MethodReadings* readings = method_readings(page);
    if (readings == nullptr) return std::nullopt;
    const bool instructed = run.sagging && readings->sag_output != nullptr;
    // Sagging: the instruction as the crew will observe it.
    if (instructed) scratch.form().set_text(readings->fed_back, context.form.text(readings->sag_output));
    const auto nominal = scratch.check(context, page, run, /*strict=*/false);
    if (!nominal) return std::nullopt;
    ResultBand band;
    band.sag = nominal->sag;
    band.touch = nominal->touch;
    Perturbation perturbation(context, run, page, scratch, *nominal);
    for (const MethodReading& reading : readings->checked) band.effects.push_back(perturbation.reading(reading, precision));
    band.effects.push_back(perturbation.span(precision));
    double sag_sum = 0, touch_sum = 0;
    for (const ReadingEffect& effect : band.effects) {
        sag_sum += effect.sag * effect.sag;
        touch_sum += effect.touch * effect.touch;
    }
    band.half_width = std::sqrt(sag_sum);
    band.touch_half_width = std::sqrt(touch_sum);
    band.required_half_width = required_sag_half_width(context, context.form, precision);
    return band;
}

}  // namespace vortan
