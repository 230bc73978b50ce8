// The change of state against published worked examples, its own round trip,
// the catenary against the parabola, and the stringing chart built on them.
#include "stringing/change_of_state.h"
#include "stringing/conductor_catalogue.h"
#include "stringing/stringing_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <random>

namespace vortan::stringing {
namespace {

constexpr double G = Standard_Gravity;

// The published examples are in kilograms-force: a conductor in those units.
Conductor conductor_in_kgf(double kg_per_m, double area_mm2, double modulus_kg_per_mm2, double expansion) {
    Conductor c;
    c.mass_kg_per_km = kg_per_m * 1000;
    c.area_mm2 = area_mm2;
    c.modulus_gpa = modulus_kg_per_mm2 * G / 1000;
    c.expansion_per_c = expansion;
    return c;
}

// Janta Cable, "Ground Wires for Transmission Lines - Galvanised Steel Wires"
// (jantacable.com, stay/earth/core wires page), the Tension / Sag rows: each
// wire strung at 32 °C to the tension of the 32 °C column, every span taken
// as its own ruling span, tension (kgf) and sag (m) at 53 °C as printed, to
// whole kgf and centimetres. Modulus 1.933e6 kg/cm², expansion 11.5e-6 /°C.
TEST(ChangeOfState, MatchesTheEarthWireMakersSagTensionTable) {
    struct Wire {
        const char* name;
        double kg_per_m, area_mm2, tension_32c_kgf;
        double tension_53c_kgf[6], sag_53c_m[6];
    };
    const double spans[6] = {260, 275, 320, 350, 380, 400};
    const Wire wires[] = {
        {"7/3.15", 0.428, 54.55, 1142, {1007, 1013, 1031, 1041, 1050, 1056}, {3.59, 3.99, 5.31, 6.30, 7.36, 8.11}},
        {"7/3.66", 0.575, 73.65, 1627, {1430, 1439, 1463, 1477, 1490, 1497}, {3.40, 3.78, 5.03, 5.96, 6.97, 7.68}},
        {"7/4.06", 0.706, 90.62, 2002, {1760, 1770, 1800, 1817, 1833, 1842}, {3.39, 3.77, 5.02, 5.95, 6.95, 7.67}},
    };
    for (const Wire& wire : wires) {
        const Conductor c = conductor_in_kgf(wire.kg_per_m, wire.area_mm2, 19330, 11.5e-6);
        const double w = wire.kg_per_m * G;
        for (int s = 0; s < 6; ++s) {
            SCOPED_TRACE(std::string(wire.name) + " span " + std::to_string(spans[s]));
            const double h = tension_after_change(c, spans[s], {wire.tension_32c_kgf * G, 32, w}, 53, w);
            EXPECT_NEAR(h / G, wire.tension_53c_kgf[s], 0.5);
            EXPECT_NEAR(parabolic_sag(spans[s], h, w), wire.sag_53c_m[s], 0.005);
        }
    }
}

// Problem 15.3 of a transmission-line design text, as published with its
// answer on bartleby.com ("Determine the erection sag and tension of a
// transmission line at 65°C in still air"): ACSR of 240 mm², 20 mm, 1.0 kg/m,
// ultimate strength 8000 kg, E = 9320 kg/mm², expansion printed as
// 18.44e-5 /°C (the answer follows from the value as printed), span 300 m;
// worst condition -5 °C, 1 cm of radial ice at 910 kg/m³ and 40 kg/m² of wind
// on the iced projection, safety factor 2. Answer: 20.76 m and 541.9 kg.
// Taken once through the change of state and once through the chart, whose
// design tension is then 50 % of the rated strength.
TEST(ChangeOfState, MatchesTheTextbookErectionSagProblem) {
    Conductor c = conductor_in_kgf(1.0, 240, 9320, 18.44e-5);
    c.rated_strength_kn = 8000 * G / 1000;
    const double diameter = 0.020, ice_thickness = 0.010;
    const double ice = 910 * std::numbers::pi * ice_thickness * (diameter + ice_thickness) * G;
    const double wind = 40 * (diameter + 2 * ice_thickness) * G;
    const double w = c.weight_n_per_m();

    const double h = tension_after_change(c, 300, {4000 * G, -5, resultant_load(w, ice, wind)}, 65, w);
    EXPECT_NEAR(h / G, 541.9, 0.05);
    EXPECT_NEAR(parabolic_sag(300, h, w), 20.76, 0.005);

    DesignCondition design;
    design.tension_kind = DesignCondition::Tension::Percent_Of_Rated_Strength;
    design.tension = 50;
    design.temperature_c = -5;
    design.ice_n_per_m = ice;
    design.wind_n_per_m = wind;
    design.age = CableAge::Initial;
    const StringingChart chart = stringing_chart(c, {300}, design, {65});
    ASSERT_EQ(chart.points.size(), 2u);
    EXPECT_NEAR(chart.design_tension_n / G, 4000, 1e-9);
    EXPECT_NEAR(chart.points[0].tension_n / G, 541.9, 0.05);
    EXPECT_NEAR(chart.points[0].sag_m[0], 20.76, 0.005);
}

// Any state reached from a known one leads back to it; the tension found
// solves the cubic, whatever the (positive) inputs, however extreme.
TEST(ChangeOfState, RoundTripsAndSolvesTheCubicForRandomStates) {
    std::mt19937 random(20261210);
    auto between = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    for (int n = 0; n < 5000; ++n) {
        Conductor c;
        c.mass_kg_per_km = between(100, 3000);
        c.area_mm2 = between(20, 1000);
        c.modulus_gpa = between(50, 200);
        c.expansion_per_c = between(10e-6, 25e-6);
        const double span = std::exp(between(std::log(5.0), std::log(2000.0)));
        const double w1 = c.weight_n_per_m() * between(1, 4);
        const double w2 = c.weight_n_per_m();
        const CableState known{std::exp(between(std::log(10.0), std::log(3e5))), between(-40, 80), w1};
        const double t2 = between(-40, 120);
        SCOPED_TRACE(n);

        const double h2 = tension_after_change(c, span, known, t2, w2);
        ASSERT_TRUE(std::isfinite(h2) && h2 > 0) << h2;
        const double ea = c.axial_stiffness_n();
        const double thermal = ea * c.expansion_per_c * (t2 - known.temperature_c);
        const double before = ea * span * span / 24 * w1 * w1 / (known.tension_n * known.tension_n);
        const double after = ea * span * span / 24 * w2 * w2 / (h2 * h2);
        const double residual = h2 - known.tension_n + thermal + before - after;
        const double scale = known.tension_n + h2 + std::abs(thermal) + after + before;
        EXPECT_LT(std::abs(residual), 1e-9 * scale);

        const double back = tension_after_change(c, span, {h2, t2, w2}, known.temperature_c, w1);
        EXPECT_NEAR(back, known.tension_n, 1e-8 * known.tension_n);
    }
}

// The parabola's sag grows as L²: every span of a chart point has the same
// sag / L², and its catenary sag is never below the parabolic one. The final
// state at t is the initial state at t + creep, and without wind or ice the
// design temperature and state give back the design tension.
TEST(StringingChart, SagGrowsAsTheSquareOfTheSpanAndCreepShiftsTheTemperature) {
    std::mt19937 random(7);
    auto between = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    const Conductor drake = catalogue_conductor("Drake")->data;
    for (int n = 0; n < 50; ++n) {
        std::vector<double> spans(1 + n % 12);
        for (double& span : spans) span = between(50, 800);
        const auto temperatures = chart_temperatures(-10, 50, 5);
        const std::size_t design_index = n % temperatures.size();
        DesignCondition design;
        design.tension = between(10e3, 40e3);
        design.temperature_c = temperatures[design_index];
        design.wind_n_per_m = n % 3 ? between(0.1, 10) : 0;
        design.creep_c = 5 * (n % 5);
        design.age = n % 2 ? CableAge::Final : CableAge::Initial;
        const StringingChart chart = stringing_chart(drake, spans, design, temperatures);
        ASSERT_EQ(chart.points.size(), 2 * temperatures.size());
        SCOPED_TRACE(n);
        for (std::size_t p = 0; p < chart.points.size(); ++p) {
            const ChartPoint& point = chart.points[p];
            EXPECT_EQ(point.temperature_c, temperatures[p / 2]);
            EXPECT_EQ(point.age, p % 2 ? CableAge::Final : CableAge::Initial);
            const double per_square = point.sag_m[0] / (spans[0] * spans[0]);
            for (std::size_t s = 0; s < spans.size(); ++s) {
                EXPECT_NEAR(point.sag_m[s] / (spans[s] * spans[s]), per_square, 1e-12 * per_square);
                EXPECT_GE(point.catenary_sag_m[s], point.sag_m[s]);
            }
        }
        const std::size_t shift = 2 * static_cast<std::size_t>(design.creep_c / 5);
        const double close = 1e-9 * chart.design_tension_n;
        for (std::size_t p = 1; p + shift < chart.points.size(); p += 2)
            EXPECT_NEAR(chart.points[p].tension_n, chart.points[p - 1 + shift].tension_n, close);
        if (design.wind_n_per_m == 0) {
            EXPECT_NEAR(chart.points[2 * design_index + (n % 2)].tension_n, design.tension, 1e-9 * design.tension);
        }
    }
}

// The catenary departs from the parabola only on long or slack spans; its sag
// is that of y = H/w·(cosh(w·x/H) - 1): with the half arc length s, measured
// here by Simpson's rule over √(1 + y'²), s² = D² + 2·D·H/w.
TEST(ChangeOfState, CatenarySagIsTheCatenarysAndDiffersOnlyOnLongSpans) {
    struct Case {
        double length_m, tension_n, load_n_per_m;
        bool differs;
    };
    const Case cases[] = {
        {1000, 20e3, 15.96, true}, {1500, 40e3, 15.96, true}, {600, 5e3, 5.6, true},
        {100, 30e3, 15.96, false}, {250, 25e3, 7.12, false}, {50, 2e3, 2.1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length_m);
        const double parabola = parabolic_sag(c.length_m, c.tension_n, c.load_n_per_m);
        const double catenary = catenary_sag(c.length_m, c.tension_n, c.load_n_per_m);
        EXPECT_EQ(catenary_differs(parabola, catenary), c.differs);
        EXPECT_GT(catenary, parabola);

        const double a = c.tension_n / c.load_n_per_m, half = c.length_m / 2;
        const int steps = 2000;
        double arc = 0;
        for (int i = 0; i <= steps; ++i) {
            const double x = half * i / steps, slope = std::sinh(x / a);
            arc += (i == 0 || i == steps ? 1 : i % 2 ? 4 : 2) * std::sqrt(1 + slope * slope);
        }
        arc *= half / steps / 3;
        EXPECT_NEAR(arc * arc, catenary * catenary + 2 * catenary * a, 1e-9 * arc * arc);
    }
}

TEST(ChangeOfState, RulingSpanOfEqualSpansIsTheSpanAndOfMixedLiesBetweenMeanAndLongest) {
    const std::vector<std::vector<double>> sections = {
        {300}, {250, 250, 250}, {100, 400}, {150, 300, 450, 200}, {50, 50, 50, 900}, {320, 330, 310, 1.5},
    };
    for (const auto& spans : sections) {
        const double rs = ruling_span(spans.data(), static_cast<int>(spans.size()));
        const double mean = std::accumulate(spans.begin(), spans.end(), 0.0) / spans.size();
        const double longest = *std::max_element(spans.begin(), spans.end());
        if (mean == longest)
            EXPECT_NEAR(rs, longest, 1e-12 * longest);
        else {
            EXPECT_GT(rs, mean);
            EXPECT_LT(rs, longest);
        }
    }
    EXPECT_EQ(ruling_span(nullptr, 0), 0);
}

TEST(StringingChart, TemperaturesKeepTheirEndWithoutDrift) {
    struct Case {
        double from, to, step;
        std::size_t count;
    };
    const Case cases[] = {{-10, 50, 5, 13}, {0, 1, 0.1, 11}, {0, 0.7, 0.1, 8}, {0.1, 0.3, 0.1, 3},
                          {20, 20, 1, 1}, {0, 9.99, 1, 10}, {5, 0, 1, 0}, {0, 10, 0, 0}, {0, 10, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " by " << c.step);
        const auto temperatures = chart_temperatures(c.from, c.to, c.step);
        ASSERT_EQ(temperatures.size(), c.count);
        for (std::size_t i = 0; i < temperatures.size(); ++i)
            EXPECT_EQ(temperatures[i], c.from + static_cast<double>(i) * c.step);
    }
}

TEST(StringingChart, IsEmptyWithoutAConductorSpansOrTension) {
    const Conductor wolf = catalogue_conductor("Wolf")->data;
    Conductor incomplete = wolf;
    incomplete.modulus_gpa = 0;
    Conductor no_strength = wolf;
    no_strength.rated_strength_kn = 0;
    DesignCondition newtons;
    newtons.tension = 15e3;
    DesignCondition percent = newtons;
    percent.tension_kind = DesignCondition::Tension::Percent_Of_Rated_Strength;
    percent.tension = 20;
    DesignCondition slack = newtons;
    slack.tension = -1;
    struct Case {
        const Conductor* conductor;
        std::vector<double> spans;
        const DesignCondition* design;
        bool empty;
    };
    const Case cases[] = {
        {&wolf, {300, 250}, &newtons, false},   {&wolf, {300, 250}, &percent, false},
        {&incomplete, {300}, &newtons, true},   {&wolf, {300, 0}, &newtons, true},
        {&wolf, {-300}, &newtons, true},        {&wolf, {}, &newtons, true},
        {&wolf, {300}, &slack, true},           {&no_strength, {300}, &percent, true},
    };
    for (const Case& c : cases) {
        const StringingChart chart = stringing_chart(*c.conductor, c.spans, *c.design, {-10, 15, 40});
        EXPECT_EQ(chart.points.empty(), c.empty);
    }
}

TEST(ConductorCatalogue, HoldsTheDemoConductorsAndFindsNamesInAnyCase) {
    struct Case {
        const char* name;
        double mass_kg_per_km, diameter_mm;
    };
    for (const Case& c : {Case{"Drake", 1627, 28.14}, Case{"DRAKE", 1627, 28.14}, Case{"7/3.66 gsw", 575, 10.98}}) {
        const CatalogueConductor* found = catalogue_conductor(c.name);
        ASSERT_NE(found, nullptr) << c.name;
        EXPECT_EQ(found->data.mass_kg_per_km, c.mass_kg_per_km);
        EXPECT_EQ(found->data.diameter_mm, c.diameter_mm);
    }
    EXPECT_EQ(catalogue_conductor("Drak"), nullptr);
    EXPECT_EQ(catalogue_conductor(""), nullptr);

    const auto& catalogue = conductor_catalogue();
    EXPECT_GE(catalogue.size(), 10u);
    for (const CatalogueConductor& entry : catalogue) {
        SCOPED_TRACE(entry.data.code_name);
        EXPECT_TRUE(entry.data.complete());
        EXPECT_GT(entry.data.rated_strength_kn, 0);
        EXPECT_GT(entry.data.diameter_mm, 0);
        EXPECT_FALSE(entry.source.empty());
        EXPECT_EQ(catalogue_conductor(entry.data.code_name), &entry);
    }
}

}  // namespace
}  // namespace vortan::stringing
