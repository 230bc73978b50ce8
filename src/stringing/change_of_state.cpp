#include "stringing/change_of_state.h"

#include <algorithm>
#include <cmath>

namespace vortan::stringing {

namespace {

// The cubic f(H) = H²·(H + k) - m, whose positive root is the new tension.
struct StateCubic {
    double k = 0;
    double m = 0;

    double value(double h) const { return h * h * (h + k) - m; }
    double slope(double h) const { return h * (3 * h + 2 * k); }
};

StateCubic cubic_of(const Conductor& conductor, double ruling_span_m, const CableState& known,
                    double temperature_c, double load_n_per_m) {
    const double stiffness = conductor.axial_stiffness_n();
    const double span_term = stiffness * ruling_span_m * ruling_span_m / 24;
    const double known_ratio = known.load_n_per_m / known.tension_n;
    StateCubic cubic;
    cubic.k = -known.tension_n + stiffness * conductor.expansion_per_c * (temperature_c - known.temperature_c) +
              span_term * known_ratio * known_ratio;
    cubic.m = span_term * load_n_per_m * load_n_per_m;
    return cubic;
}

}  // namespace

// f(-k) = f(0) = -m < 0 and f(lo + ∛m) >= 0 bound the root; f is increasing
// and convex beyond lo, so Newton from the upper bound falls monotonically
// onto it and cannot overshoot into the negative branch.
double tension_after_change(const Conductor& conductor, double ruling_span_m, const CableState& known,
                            double temperature_c, double load_n_per_m) {
    const StateCubic cubic = cubic_of(conductor, ruling_span_m, known, temperature_c, load_n_per_m);
    const double low = std::max(0.0, -cubic.k);
    double tension = low + std::cbrt(cubic.m);
    for (int iteration = 0; iteration < 100; ++iteration) {
        const double slope = cubic.slope(tension);
        if (!(slope > 0)) break;
        const double next = std::max(low, tension - cubic.value(tension) / slope);
        const bool settled = tension - next <= 1e-12 * tension;
        tension = next;
        if (settled) break;
    }
    return tension;
}

double resultant_load(double weight_n_per_m, double ice_n_per_m, double wind_n_per_m) {
    return std::hypot(weight_n_per_m + ice_n_per_m, wind_n_per_m);
}

double parabolic_sag(double length_m, double tension_n, double load_n_per_m) {
    return load_n_per_m * length_m * length_m / (8 * tension_n);
}

// cosh(x) - 1 written as 2·sinh²(x/2): no cancellation for tight spans.
double catenary_sag(double length_m, double tension_n, double load_n_per_m) {
    const double half_angle = std::sinh(load_n_per_m * length_m / (4 * tension_n));
    return 2 * tension_n / load_n_per_m * half_angle * half_angle;
}

double ruling_span(const double* lengths_m, int count) {
    double cubes = 0;
    double total = 0;
    for (int i = 0; i < count; ++i) {
        cubes += lengths_m[i] * lengths_m[i] * lengths_m[i];
        total += lengths_m[i];
    }
    return total > 0 ? std::sqrt(cubes / total) : 0;
}

}  // namespace vortan::stringing
