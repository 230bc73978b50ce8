#include "stringing/stringing_chart.h"

#include <algorithm>
#include <cmath>

namespace vortan::stringing {

namespace {

// Room for the rounding of (to - from) / step, so that -10..50 by 5 or 0..1
// by 0.1 keep their last temperature.
constexpr double Step_Count_Slack = 1e-9;
constexpr double Catenary_Difference = 0.003;

double design_tension_of(const Conductor& conductor, const DesignCondition& design) {
    if (design.tension_kind == DesignCondition::Tension::Newtons) return design.tension;
    return design.tension / 100 * conductor.rated_strength_kn * 1000;
}

bool spans_valid(const std::vector<double>& span_lengths_m) {
    return !span_lengths_m.empty() &&
           std::all_of(span_lengths_m.begin(), span_lengths_m.end(), [](double length) { return length > 0; });
}

// Creep as a temperature shift: a final state is the initial one, warmer.
double equivalent_temperature(double temperature_c, CableAge age, double creep_c) {
    return age == CableAge::Final ? temperature_c + creep_c : temperature_c;
}

ChartPoint point_at(const Conductor& conductor, const std::vector<double>& span_lengths_m, double ruling_span_m,
                    const CableState& design_state, double temperature_c, CableAge age, double creep_c) {
    const double weight = conductor.weight_n_per_m();
    ChartPoint point;
    point.temperature_c = temperature_c;
    point.age = age;
    point.tension_n = tension_after_change(conductor, ruling_span_m, design_state,
                                           equivalent_temperature(temperature_c, age, creep_c), weight);
    point.sag_m.reserve(span_lengths_m.size());
    point.catenary_sag_m.reserve(span_lengths_m.size());
    for (double length : span_lengths_m) {
        point.sag_m.push_back(parabolic_sag(length, point.tension_n, weight));
        point.catenary_sag_m.push_back(catenary_sag(length, point.tension_n, weight));
    }
    return point;
}

}  // namespace

std::vector<double> chart_temperatures(double from_c, double to_c, double step_c) {
    std::vector<double> temperatures;
    if (!(step_c > 0) || !(to_c >= from_c)) return temperatures;
    const double steps = std::floor((to_c - from_c) / step_c + Step_Count_Slack);
    if (!std::isfinite(steps)) return temperatures;
    const auto count = static_cast<long long>(steps) + 1;
    temperatures.reserve(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) temperatures.push_back(from_c + static_cast<double>(i) * step_c);
    return temperatures;
}

StringingChart stringing_chart(const Conductor& conductor, const std::vector<double>& span_lengths_m,
                               const DesignCondition& design, const std::vector<double>& temperatures_c) {
    const double design_tension = design_tension_of(conductor, design);
    if (!conductor.complete() || !spans_valid(span_lengths_m) || !(design_tension > 0)) return {};

    StringingChart chart;
    chart.ruling_span_m = ruling_span(span_lengths_m.data(), static_cast<int>(span_lengths_m.size()));
    chart.design_tension_n = design_tension;
    const CableState design_state{
        design_tension, equivalent_temperature(design.temperature_c, design.age, design.creep_c),
        resultant_load(conductor.weight_n_per_m(), design.ice_n_per_m, design.wind_n_per_m)};
    chart.points.reserve(temperatures_c.size() * 2);
    for (double temperature : temperatures_c)
        for (CableAge age : {CableAge::Initial, CableAge::Final})
            chart.points.push_back(point_at(conductor, span_lengths_m, chart.ruling_span_m, design_state,
                                            temperature, age, design.creep_c));
    return chart;
}

bool catenary_differs(double parabolic_m, double catenary_m) {
    return std::abs(catenary_m - parabolic_m) > Catenary_Difference * std::abs(parabolic_m);
}

}  // namespace vortan::stringing
