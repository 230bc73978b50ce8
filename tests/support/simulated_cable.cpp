#include "support/simulated_cable.h"

#include "calc/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace vortan::simulation {

namespace {

constexpr double Gravity = 9.81;
// The unit system's own factors.
constexpr double Feet_Per_Metre = 3.281;
constexpr double Inches_Per_Millimetre = 0.039372;
constexpr double Newtons_Per_Pound_Force = 4.4482216152605;

constexpr double degrees(double radians) { return radians * 180 / std::numbers::pi; }
constexpr double radians(double degrees) { return degrees * std::numbers::pi / 180; }

double uniform(std::mt19937_64& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

Scene named(int page, const char* method) {
    Scene s;
    s.page = page;
    s.method = method;
    return s;
}

Cable with_sag(Cable cable, double sag) {
    cable.sag = sag;
    return cable;
}

double inclination(double rise, double run) { return degrees(std::atan2(rise, run)); }

// The sightboards: the line between them touches the cable at `touch`.
Scene sightboard(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(0, "Sightboard");
    s.parameters = {cable.sag, cable.span * uniform(random, -0.15, 0.98)};
    s.observe = [cable](const std::vector<double>& p) {
        const Cable c = with_sag(cable, p[0]);
        const double x = p[1], drop = c.gradient(x) * x - c.height(x);  // the line below the near support
        const double line_at_far = c.height(x) + c.gradient(x) * (c.span - x);
        return std::vector<Observation>{{"SBM_Actual_Sag_Height_Near_Edit", Entry::Length, drop},
                                        {"SBM_Actual_Sag_Height_Far_Edit", Entry::Length, c.rise - line_at_far}};
    };
    s.place = [](const std::vector<double>& p) { return p[1]; };
    s.output = "SBM_Required_Sag_Height_Near_Edit";
    return s;
}

// A theodolite in the adjacent span, b back, whose line touches the cable at `touch`.
Scene tangent_two_spans(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(1, "Tangent 2 Span");
    const double back = std::clamp(cable.span * uniform(random, 0.5, 1.5), 10.0, 2000.0);
    s.parameters = {cable.sag, cable.span * uniform(random, -0.15, 1.15), cable.rise, back};
    s.observe = [cable](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[2];
        const double x = p[1], b = p[3];
        const double station = c.height(x) + c.gradient(x) * (-b - x);  // the line at the theodolite
        return std::vector<Observation>{
            {"Tan_2S_Vert_Angle_Near_Edit", Entry::Vertical, inclination(-station, b)},
            {"Tan_2S_Adjacent_Span_Edit", Entry::Length, b},
            {"Tan_2S_Vert_Angle_Far_Edit", Entry::Vertical, inclination(c.rise - station, b + c.span)},
            {"Tan_2S_Act_Vertical_Angle_Mid_Edit", Entry::Vertical, degrees(std::atan(c.gradient(x)))}};
    };
    s.place = [](const std::vector<double>& p) { return p[1]; };
    s.fixed_entries = {{"Tan_2S_Adjacent_Structure_Edit", "T0"}};
    s.output = "Tan_2S_Req_Vertical_Angle_Mid_Edit";
    s.fed_back = 3;
    return s;
}

// A theodolite below the near support whose line touches the cable at `touch`.
Scene tangent_one_span(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(2, "Tangent 1 Span");
    s.parameters = {cable.sag, cable.span * uniform(random, 0.15, 1.25), cable.rise};
    s.observe = [cable](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[2];
        const double x = p[1];
        const double below = c.gradient(x) * x - c.height(x);
        return std::vector<Observation>{
            {"Tan_1S_Thedolite_Height_Edit", Entry::Length, below},
            {"Tan_1S_Vert_Angle_Far_Edit", Entry::Vertical, inclination(c.rise + below, c.span)},
            {"Tan_1S_Act_Vertical_Angle_Mid_Edit", Entry::Vertical, degrees(std::atan(c.gradient(x)))}};
    };
    s.place = [](const std::vector<double>& p) { return p[1]; };
    s.output = "Tan_1S_Req_Vertical_Angle_Mid_Edit";
    s.fed_back = 2;
    return s;
}

// The horizontal tension of a parabola of this sag, in newtons.
double tension(const Cable& cable, double unit_weight) {
    return unit_weight * cable.span * cable.span / (8 * cable.sag);
}

// A dynamometer in series with the cable through a tackle.
Scene series_dynamometer(const Cable& cable, double unit_weight, std::mt19937_64& random) {
    Scene s = named(3, "Series Dynmtr");
    const int advantage = std::clamp(static_cast<int>(std::ceil(tension(cable, unit_weight) / 60000)) +
                                         static_cast<int>(uniform(random, 0, 3)),
                                     1, 100);
    s.parameters = {cable.sag};
    s.observe = [cable, unit_weight, advantage](const std::vector<double>& p) {
        return std::vector<Observation>{{"Series_Dyn_Actual_Tension_Edit", Entry::LargeForce,
                                         tension(with_sag(cable, p[0]), unit_weight) / 1000 / advantage}};
    };
    s.fixed_entries = {{"Series_Dyn_Mechanical_Advantage_Edit", std::to_string(advantage)}};
    s.output = "Series_Dyn_Required_Tension_Edit";
    return s;
}

// A level telescope below the near support, sighting the low point.
Scene level_sighting(const Cable& cable, std::mt19937_64&) {
    Scene s = named(4, "Level Sighting");
    s.parameters = {cable.sag, cable.rise};
    auto low_point = [span = cable.span](const std::vector<double>& p) {
        return span / 2 - p[1] * span / (8 * p[0]);
    };
    s.observe = [cable, low_point](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[1];
        return std::vector<Observation>{{"LSM_Support_Height_Difference_Edit", Entry::Length, c.rise},
                                        {"LSM_Actual_Telescope_Height_Edit", Entry::Length, -c.height(low_point(p))}};
    };
    s.place = low_point;
    s.output = "LSM_Required_Telescope_Height_Edit";
    s.fed_back = 1;
    return s;
}

// A theodolite off the line takes bearings to the adjacent, near and far
// structures and to a point of the cable, and vertical angles to the supports
// and that point. Parameters: sag, theodolite x and y in plan, the circle's
// orientation, the point's place, the near support over the theodolite, rise,
// adjacent span.
Scene offset_two_spans(const Cable& cable, Circle circle, std::mt19937_64& random) {
    Scene s = named(5, "Offset 2 Span");
    const double span = cable.span;
    const double back = std::clamp(span * uniform(random, 0.6, 1.4), 10.0, 2000.0);
    const bool outside = uniform(random, 0, 1) < 0.1;
    const double middle = outside ? span * (uniform(random, 0, 1) < 0.5 ? uniform(random, -0.25, -0.03)
                                                                        : uniform(random, 1.03, 1.25))
                                  : span * uniform(random, 0.1, 0.9);
    auto direction = [](double x, double y, double to) { return degrees(std::atan2(-y, to - x)); };
    double x = 0, y = 0, spread = 0;
    do {  // a station that sees the whole line within 170 degrees, each part wider than half a degree
        x = span * uniform(random, -0.2, 1.0);
        y = span * uniform(random, 0.4, 1.2) * (uniform(random, 0, 1) < 0.5 ? -1 : 1);
        const double a = direction(x, y, -back), n = direction(x, y, 0), m = direction(x, y, middle),
                     f = direction(x, y, span);
        spread = std::fabs(a - f);
        const double narrowest = std::min({std::fabs(a - n), std::fabs(n - m), std::fabs(m - f)});
        if (spread <= 170 && narrowest >= 0.5) break;
    } while (true);
    const double a = direction(x, y, -back), f = direction(x, y, span);
    // Readings run clockwise; a Zenith or Nadir circle accepts 0 to 180, an
    // Altitude circle 270 to 90 through 0.
    const double orientation =
        circle == Circle::Altitude ? (a + f) / 2 : std::max(a, f) + uniform(random, 2, 8);
    s.parameters = {cable.sag, x, y, orientation, middle, uniform(random, 3, 30), cable.rise, back};
    s.observe = [cable, direction](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[6];
        const double x = p[1], y = p[2], turn = p[3], m = p[4], near = p[5], b = p[7];
        auto bearing = [&](double to) { return turn - direction(x, y, to); };
        auto distance = [&](double to) { return std::hypot(to - x, y); };
        return std::vector<Observation>{
            {"Off_2S_Horiz_Bearing_Angle_Adjacent_Edit", Entry::Horizontal, bearing(-b)},
            {"Off_2S_Horiz_Bearing_Angle_Near_Edit", Entry::Horizontal, bearing(0)},
            {"Off_2S_Horiz_Bearing_Angle_Mid_Edit", Entry::Horizontal, bearing(m)},
            {"Off_2S_Horiz_Bearing_Angle_Far_Edit", Entry::Horizontal, bearing(c.span)},
            {"Off_2S_Vert_Angle_Near_Edit", Entry::Vertical, inclination(near, distance(0))},
            {"Off_2S_Vert_Angle_Mid_Act_Edit", Entry::Vertical, inclination(near + c.height(m), distance(m))},
            {"Off_2S_Vert_Angle_Far_Edit", Entry::Vertical, inclination(near + c.rise, distance(c.span))},
            {"Off_2S_Adjacent_Span_Edit", Entry::Length, b}};
    };
    s.place = [](const std::vector<double>& p) { return p[4]; };
    s.fixed_entries = {{"Off_2S_Adjacent_Structure_Edit", "T0"}};
    s.output = "Off_2S_Vert_Angle_Mid_Req_Edit";
    s.fed_back = 5;
    return s;
}

// A theodolite on the line, `along` from the near structure and `above` the
// ground, with a height stick up to the cable beside it.
Scene height_stick(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(6, "Height Stick");
    const double along = cable.span * uniform(random, 0.15, 0.85), above = uniform(random, 1.2, 1.8);
    const double stick = above + uniform(random, 2, 25);
    s.parameters = {cable.sag, stick - above - cable.height(along), cable.rise, above, along};
    s.observe = [cable](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[2];
        const double near = p[1], above = p[3], along = p[4];
        return std::vector<Observation>{
            {"HSM_Near_Vert_Angle_Edit", Entry::Vertical, inclination(near, along)},
            {"HSM_Far_Vert_Angle_Edit", Entry::Vertical, inclination(near + c.rise, c.span - along)},
            {"HSM_Theodolite_Height_Edit", Entry::Length, above},
            {"HSM_Near_Distance_Edit", Entry::Length, along},
            {"HSM_Actual_Stick_Height_Edit", Entry::Length, c.height(along) + near + above}};
    };
    s.output = "HSM_Required_Stick_Height_Edit";
    s.fed_back = 4;
    return s;
}

// Waves run at sqrt(H / mass per length); a return crosses the span twice.
Scene travelling_wave(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(7, "Travelling Wave");
    auto return_time = [span = cable.span](double sag) {
        const double speed = std::sqrt(Gravity * span * span / (8 * sag));  // H / (mass per length)
        return 2 * span / speed;
    };
    const int returns = std::clamp(static_cast<int>(uniform(random, 1, 21)), 1,
                                   std::max(1, static_cast<int>(290 / return_time(cable.sag))));
    s.parameters = {cable.sag};
    s.observe = [returns, return_time](const std::vector<double>& p) {
        return std::vector<Observation>{{"WAVE_Actual_Time_Edit", Entry::Time, returns * return_time(p[0])}};
    };
    s.fixed_entries = {{"WAVE_Number_of_Return_Waves_Edit", std::to_string(returns)}};
    s.output = "WAVE_Required_Time_Edit";
    return s;
}

// A parabola swinging sideways about its chord is a pendulum of length 0.8 sag.
Scene pendulum_swing(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(8, "Pendulum/Swing");
    auto period = [](double sag) { return 2 * std::numbers::pi * std::sqrt(0.8 * sag / Gravity); };
    const int swings = std::clamp(static_cast<int>(uniform(random, 1, 21)), 1,
                                  std::max(1, static_cast<int>(290 / period(cable.sag))));
    s.parameters = {cable.sag};
    s.observe = [swings, period](const std::vector<double>& p) {
        return std::vector<Observation>{{"Swing_Actual_Time_Edit", Entry::Time, swings * period(p[0])}};
    };
    s.fixed_entries = {{"Swing_Number_of_Swings_Edit", std::to_string(swings)}};
    s.output = "Swing_Required_Time_Edit";
    return s;
}

// A dynamometer pulls the cable `deflection` sideways midway between fulcrums
// `separation` apart: the force balances the tension along both legs.
Scene shunt_dynamometer(const Cable& cable, double unit_weight, std::mt19937_64& random) {
    Scene s = named(9, "Shunt Dynmtr");
    const double pull = tension(cable, unit_weight), separation = std::round(uniform(random, 500, 5000));
    const double aimed = std::min(uniform(random, 300, 4500), pull);  // N
    const double deflection =
        std::clamp(separation / (2 * std::sqrt(std::pow(2 * pull / aimed, 2) - 1)), 10.0, 1000.0);
    s.parameters = {cable.sag, separation, deflection};
    s.observe = [cable, unit_weight](const std::vector<double>& p) {
        const double leg = std::hypot(p[1] / 2, p[2]);
        const double force = 2 * tension(with_sag(cable, p[0]), unit_weight) * p[2] / leg;
        return std::vector<Observation>{{"Shunt_Dyn_Fulcrum_Seperation_Edit", Entry::SmallLength, p[1]},
                                        {"Shunt_Dyn_Deflection_Edit", Entry::SmallLength, p[2]},
                                        {"Shunt_Dyn_Actual_Force_Edit", Entry::Force, force}};
    };
    s.output = "Shunt_Dyn_Required_Force_Edit";
    s.fed_back = 2;
    return s;
}

// An eye on the cable's curve sights both attachments; L1 is the span measured.
Scene clino_one_span(const Cable& cable, std::mt19937_64& random) {
    Scene s = named(10, "Clino 1 Span");
    s.parameters = {cable.sag, cable.span * uniform(random, 0.2, 0.8), cable.span};
    s.observe = [cable](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.span = p[2];
        const double eye = p[1], at = c.height(eye);
        return std::vector<Observation>{{"Clino_1_Tan_Grad1_Edit", Entry::Gradient, -100 * at / eye},
                                        {"Clino_1_Tan_Grad2_Edit", Entry::Gradient, 100 * (c.rise - at) / (c.span - eye)},
                                        {"Clino_1_Tan_L1_Edit", Entry::Length, c.span}};
    };
    return s;
}

// The gradients of the cable where it leaves each attachment, falling into the span.
Scene clino_two_spans(const Cable& cable, std::mt19937_64&) {
    Scene s = named(11, "Clino 2 Span");
    s.parameters = {cable.sag, cable.rise};
    s.observe = [cable](const std::vector<double>& p) {
        Cable c = with_sag(cable, p[0]);
        c.rise = p[1];
        return std::vector<Observation>{{"Clino_2_Tan_Grad1_Edit", Entry::Gradient, -100 * c.gradient(0)},
                                        {"Clino_2_Tan_Grad2_Edit", Entry::Gradient, 100 * c.gradient(c.span)}};
    };
    return s;
}

// The reading of an inclination on the circle's face left.
double vertical_reading(double inclination, Circle circle) {
    switch (circle) {
    case Circle::Zenith: return 90 - inclination;
    case Circle::Nadir: return 90 + inclination;
    case Circle::Altitude: return inclination < 0 ? 360 + inclination : inclination;
    }
    return inclination;
}

std::string dddmmss(double angle) {
    const long long seconds = std::llround(std::fabs(angle) * 3600);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld%02lld", angle < 0 ? "-" : "", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

int decimals_of(Entry entry, bool imperial) {
    const double step = 2 * half_resolution(entry, imperial);
    return step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
}

// Gaussian elimination with partial pivoting: solves a x = b.
std::vector<double> solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t column = 0; column < n; ++column) {
        size_t pivot = column;
        for (size_t row = column + 1; row < n; ++row)
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) pivot = row;
        std::swap(a[column], a[pivot]);
        std::swap(b[column], b[pivot]);
        if (a[column][column] == 0) throw std::runtime_error("singular scene");
        for (size_t row = column + 1; row < n; ++row) {
            const double factor = a[row][column] / a[column][column];
            for (size_t k = column; k < n; ++k) a[row][k] -= factor * a[column][k];
            b[row] -= factor * b[column];
        }
    }
    std::vector<double> x(n);
    for (size_t row = n; row-- > 0;) {
        double sum = b[row];
        for (size_t k = row + 1; k < n; ++k) sum -= a[row][k] * x[k];
        x[row] = sum / a[row][row];
    }
    return x;
}

}  // namespace

double Cable::height(double x) const { return rise * x / span - 4 * sag * x * (span - x) / (span * span); }

double Cable::gradient(double x) const { return rise / span - 4 * sag * (span - 2 * x) / (span * span); }

double written_value(const Observation& o, bool imperial) {
    if (!imperial) return o.value;
    switch (o.entry) {
    case Entry::Length: return o.value * Feet_Per_Metre;
    case Entry::SmallLength: return o.value * Inches_Per_Millimetre;
    case Entry::Force: return o.value / Newtons_Per_Pound_Force;
    case Entry::LargeForce: return o.value * 1000 / Newtons_Per_Pound_Force;
    default: return o.value;
    }
}

double half_resolution(Entry entry, bool imperial) {
    switch (entry) {
    case Entry::Length: return 0.005;
    case Entry::SmallLength: return imperial ? 0.005 : 0.5;
    case Entry::Force: return imperial ? 0.05 : 0.5;
    case Entry::LargeForce: return imperial ? 0.5 : 0.005;
    case Entry::Time:
    case Entry::Gradient: return 0.05;
    case Entry::Vertical:
    case Entry::Horizontal: return 0.5 / 3600;
    }
    return 0;
}

std::string written_text(const Observation& o, bool imperial, Circle circle) {
    switch (o.entry) {
    case Entry::Vertical: return dddmmss(vertical_reading(o.value, circle));
    case Entry::Horizontal: return dddmmss(o.value - 360 * std::floor(o.value / 360));
    default: return fixed(written_value(o, imperial), decimals_of(o.entry, imperial));
    }
}

Scene make_scene(int page, const Cable& cable, Circle circle, std::mt19937_64& random) {
    const int mass = static_cast<int>(uniform(random, 300, 2500));
    const double unit_weight = Gravity * mass / 1000;
    Scene s;
    switch (page) {
    case 0: s = sightboard(cable, random); break;
    case 1: s = tangent_two_spans(cable, random); break;
    case 2: s = tangent_one_span(cable, random); break;
    case 3: s = series_dynamometer(cable, unit_weight, random); break;
    case 4: s = level_sighting(cable, random); break;
    case 5: s = offset_two_spans(cable, circle, random); break;
    case 6: s = height_stick(cable, random); break;
    case 7: s = travelling_wave(cable, random); break;
    case 8: s = pendulum_swing(cable, random); break;
    case 9: s = shunt_dynamometer(cable, unit_weight, random); break;
    case 10: s = clino_one_span(cable, random); break;
    default: s = clino_two_spans(cable, random); break;
    }
    s.mass = mass;
    s.unit_weight = unit_weight;
    return s;
}

namespace {

std::vector<double> written_values(const Scene& scene, const std::vector<double>& parameters, bool imperial) {
    std::vector<double> values;
    for (const Observation& o : scene.observe(parameters)) values.push_back(written_value(o, imperial));
    return values;
}

// jacobian[i][j] = d written observation i / d parameter j
std::vector<std::vector<double>> jacobian(const Scene& scene, const std::vector<double>& parameters, bool imperial) {
    const size_t n = parameters.size();
    std::vector<std::vector<double>> result(n, std::vector<double>(n));
    for (size_t j = 0; j < n; ++j) {
        std::vector<double> up = parameters, down = parameters;
        const double step = 1e-6 * (std::fabs(parameters[j]) + 1);
        up[j] += step;
        down[j] -= step;
        const std::vector<double> high = written_values(scene, up, imperial), low = written_values(scene, down, imperial);
        for (size_t i = 0; i < n; ++i) result[i][j] = (high[i] - low[i]) / (2 * step);
    }
    return result;
}

std::vector<std::vector<double>> transposed(const std::vector<std::vector<double>>& a) {
    std::vector<std::vector<double>> t(a[0].size(), std::vector<double>(a.size()));
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < a[i].size(); ++j) t[j][i] = a[i][j];
    return t;
}

// Newton's method on the scene: the parameters whose written observations are `target`.
std::optional<std::vector<double>> parameters_for(const Scene& scene, std::vector<double> parameters,
                                                  const std::vector<double>& target, bool imperial) {
    for (int iteration = 0; iteration < 40; ++iteration) {
        const std::vector<double> values = written_values(scene, parameters, imperial);
        std::vector<double> residual(values.size());
        double worst = 0;
        for (size_t i = 0; i < values.size(); ++i) {
            residual[i] = target[i] - values[i];
            worst = std::max(worst, std::fabs(residual[i]) / (std::fabs(target[i]) + 1));
        }
        if (!std::isfinite(worst)) return std::nullopt;
        if (worst < 1e-11) return parameters;
        try {
            const std::vector<double> step = solve(jacobian(scene, parameters, imperial), residual);
            for (size_t j = 0; j < parameters.size(); ++j) parameters[j] += step[j];
        } catch (const std::runtime_error&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<double> sag_sensitivity(const Scene& scene, const std::vector<double>& parameters, bool imperial) {
    std::vector<double> first(parameters.size(), 0.0);
    first[0] = 1;
    return solve(transposed(jacobian(scene, parameters, imperial)), first);
}

double place_uncertainty(const Scene& scene, const std::vector<double>& parameters, bool imperial) {
    const size_t n = parameters.size();
    std::vector<double> gradient(n);
    for (size_t j = 0; j < n; ++j) {
        std::vector<double> up = parameters, down = parameters;
        const double step = 1e-6 * (std::fabs(parameters[j]) + 1);
        up[j] += step;
        down[j] -= step;
        gradient[j] = (scene.place(up) - scene.place(down)) / (2 * step);
    }
    const std::vector<double> sensitivity = solve(transposed(jacobian(scene, parameters, imperial)), gradient);
    const std::vector<Observation> observations = scene.observe(parameters);
    double uncertainty = 0;
    for (size_t i = 0; i < n; ++i) uncertainty += std::fabs(sensitivity[i]) * half_resolution(observations[i].entry, imperial);
    return uncertainty;
}

std::optional<double> sag_of(const Scene& scene, const std::vector<double>& parameters,
                             const std::vector<double>& written, bool imperial) {
    const auto found = parameters_for(scene, parameters, written, imperial);
    if (!found) return std::nullopt;
    return (*found)[0];
}

double rounded_written_value(const Observation& o, bool imperial) {
    const double step = 2 * half_resolution(o.entry, imperial);
    return std::round(written_value(o, imperial) / step) * step;
}

double inclination_of_reading(double reading, Circle circle) {
    switch (circle) {
    case Circle::Zenith: return 90 - reading;
    case Circle::Nadir: return reading - 90;
    case Circle::Altitude: return reading > 180 ? reading - 360 : reading;
    }
    return reading;
}

double written_of_output(const std::string& text, Entry entry, Circle circle) {
    const double number = Text_To_Number(text, NumberFormat{});
    if (entry != Entry::Vertical) return number;
    const long long units = std::llround(std::fabs(number) * 10000);
    const double reading = static_cast<double>(units / 10000) + static_cast<double>(units / 100 % 100) / 60 +
                           static_cast<double>(units % 100) / 3600;
    return inclination_of_reading(number < 0 ? -reading : reading, circle);
}

}  // namespace vortan::simulation
