#include "stringing/stringing_chart.h"

#include <cmath>

namespace vortan::stringing {

std::vector<double> chart_temperatures(double from_c, double to_c, double step_c) {
    std::vector<double> temperatures;
    if (!(step_c > 0) || to_c < from_c) return temperatures;
    for (int i = 0; from_c + i * step_c <= to_c + 1e-9 * step_c; ++i) temperatures.push_back(from_c + i * step_c);
    return temperatures;
}

StringingChart stringing_chart(const Conductor& conductor, const std::vector<double>& span_lengths_m,
                               const DesignCondition& design, const std::vector<double>& temperatures_c) {
    StringingChart chart;
    const double tension = design.tension_kind == DesignCondition::Tension::Newtons
                               ? design.tension
                               : design.tension / 100 * conductor.rated_strength_kn * 1000;
    if (!conductor.complete() || span_lengths_m.empty() || !(tension > 0)) return chart;
    for (double length : span_lengths_m)
        if (!(length > 0)) return chart;
    chart.ruling_span_m = ruling_span(span_lengths_m.data(), static_cast<int>(span_lengths_m.size()));
    chart.design_tension_n = tension;
    const double weight = conductor.weight_n_per_m();
    const CableState known{tension, design.temperature_c + (design.age == CableAge::Final ? design.creep_c : 0),
                           resultant_load(weight, design.ice_n_per_m, design.wind_n_per_m)};
    for (double t : temperatures_c) {
        for (CableAge age : {CableAge::Initial, CableAge::Final}) {
            ChartPoint point{t, age, 0, {}, {}};
            const double equivalent = t + (age == CableAge::Final ? design.creep_c : 0);
            point.tension_n = tension_after_change(conductor, chart.ruling_span_m, known, equivalent, weight);
            for (double length : span_lengths_m) {
                point.sag_m.push_back(parabolic_sag(length, point.tension_n, weight));
                point.catenary_sag_m.push_back(catenary_sag(length, point.tension_n, weight));
            }
            chart.points.push_back(std::move(point));
        }
    }
    return chart;
}

bool catenary_differs(double parabolic_m, double catenary_m) {
    return parabolic_m > 0 && std::abs(catenary_m - parabolic_m) > 0.003 * parabolic_m;
}

}  // namespace vortan::stringing
