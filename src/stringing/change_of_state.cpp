#include "stringing/change_of_state.h"

#include <algorithm>
#include <cmath>

namespace vortan::stringing {

double tension_after_change(const Conductor& conductor, double ruling_span_m, const CableState& known,
                            double temperature_c, double load_n_per_m) {
    const double ea = conductor.axial_stiffness_n();
    const double s2 = ruling_span_m * ruling_span_m;
    // H2²·(H2 - a) = b, with a and b from the known state.
    const double a = known.tension_n - ea * conductor.expansion_per_c * (temperature_c - known.temperature_c) -
                     ea * s2 * known.load_n_per_m * known.load_n_per_m / (24 * known.tension_n * known.tension_n);
    const double b = ea * s2 * load_n_per_m * load_n_per_m / 24;
    // f(H) = H³ - a·H² - b rises for H above max(a, 0)·2/3: Newton from above the root.
    double h = std::max(a, 0.0) + std::cbrt(b) + 1;
    for (int i = 0; i < 100; ++i) {
        const double f = h * h * (h - a) - b;
        const double slope = 3 * h * h - 2 * a * h;
        const double next = h - f / slope;
        if (std::abs(next - h) <= 1e-12 * h) return next;
        h = next;
    }
    return h;
}

double resultant_load(double weight_n_per_m, double ice_n_per_m, double wind_n_per_m) {
    return std::hypot(weight_n_per_m + ice_n_per_m, wind_n_per_m);
}

double parabolic_sag(double length_m, double tension_n, double load_n_per_m) {
    return load_n_per_m * length_m * length_m / (8 * tension_n);
}

double catenary_sag(double length_m, double tension_n, double load_n_per_m) {
    const double c = tension_n / load_n_per_m;
    return c * (std::cosh(length_m / (2 * c)) - 1);
}

double ruling_span(const double* lengths_m, int count) {
    double cubes = 0, sum = 0;
    for (int i = 0; i < count; ++i) {
        cubes += lengths_m[i] * lengths_m[i] * lengths_m[i];
        sum += lengths_m[i];
    }
    return sum > 0 ? std::sqrt(cubes / sum) : 0;
}

}  // namespace vortan::stringing
