// A simulated cable and the instruments of the twelve survey methods: what a
// surveyor would observe on a parabola of known sag, and how the observations
// are written down. Everything here is derived from the geometry and the
// physics of the cable, not from the program's formulas.
#pragma once

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vortan::simulation {

// Near attachment at (0, 0), far attachment `rise` above it `span` on, the
// cable `sag` below the chord at mid-span; metres.
struct Cable {
    double span = 0;
    double sag = 0;
    double rise = 0;

    double height(double x) const;    // above the near attachment
    double gradient(double x) const;  // dy/dx
};

enum class Circle { Zenith, Altitude, Nadir };

// How an observation is written down: its unit in either system and the
// resolution a surveyor records it to.
enum class Entry {
    Length,       // m or ft, to 0.01
    SmallLength,  // mm to 1, or in to 0.01
    Force,        // N to 1, or lbf to 0.1
    LargeForce,   // kN to 0.01, or lbf to 1
    Time,         // s to 0.1
    Gradient,     // percent to 0.1
    Vertical,     // an inclination in degrees, written as the circle's reading in DDD.MMSS
    Horizontal,   // a bearing in degrees (not reduced to 0-360), written in DDD.MMSS
};

struct Observation {
    std::string field;
    Entry entry;
    double value;  // metric: m, mm, N, kN, s, percent, degrees
};

// The value in the units it is written in, before rounding; angles in degrees.
double written_value(const Observation& observation, bool imperial);
// Half the resolution it is written to, in the same units.
double half_resolution(Entry entry, bool imperial);
// The text a surveyor types.
std::string written_text(const Observation& observation, bool imperial, Circle circle);

// One method's scene: its parameters (the first is always the sag) and the
// observations they give.
struct Scene {
    int page = 0;
    std::string method;
    std::vector<double> parameters;
    std::function<std::vector<Observation>(const std::vector<double>&)> observe;
    // Where the sighted line touches the cable, or the sighted point lies, from
    // the near support; empty when the method sights no such place.
    std::function<double(const std::vector<double>&)> place;
    std::vector<std::pair<std::string, std::string>> fixed_entries;  // counts and names, typed as they are
    std::string output;      // what sagging computes; empty for the methods that only check
    size_t fed_back = 0;     // the observation that output stands for
    double unit_weight = 0;  // N/m, from the code-name mass
    int mass = 0;            // kg/km
};

constexpr int Method_Count = 12;

// A scene of the method on page `page` for a random cable of the given span,
// sag and rise, with the instrument placed as the method prescribes (and now
// and then where no cable can be sighted).
Scene make_scene(int page, const Cable& cable, Circle circle, std::mt19937_64& random);

// dSag/dObservation for each observation, in metres of sag per written unit:
// the first row of the inverse of the scene's Jacobian.
std::vector<double> sag_sensitivity(const Scene& scene, const std::vector<double>& parameters, bool imperial);

// How far the place the method sights may move with the rounding of what is
// recorded, to first order (metres).
double place_uncertainty(const Scene& scene, const std::vector<double>& parameters, bool imperial);

// The sag of the scene near `parameters` whose observations, written, are
// `written` (Newton's method on the scene); nothing when none is found.
std::optional<double> sag_of(const Scene& scene, const std::vector<double>& parameters,
                             const std::vector<double>& written, bool imperial);

// The written value as recorded, rounded to its resolution (angles to the second).
double rounded_written_value(const Observation& observation, bool imperial);

// The inclination a reading on the circle's face left stands for, in degrees.
double inclination_of_reading(double reading, Circle circle);

// The value of a text the program wrote, as a scene writes it: an angle
// (ddd.mmss on the circle) as its inclination in degrees, any other as its number.
double written_of_output(const std::string& text, Entry entry, Circle circle);

}  // namespace vortan::simulation
