// Every survey method against a simulated cable, in metric and imperial units
// and on all three vertical circles: the observations a surveyor would record
// of a parabola of known sag are typed into the method's page. Checking a sag
// must recover the simulated one within what the recording allows; sagging a
// cable must give the observation that, checked, brings back the required sag;
// a sighting no cable can give must be refused. Nothing may be a wrong success.
#include "calc/calculation_run.h"
#include "calc/number_text.h"
#include "calc/precision/instrument_precision.h"
#include "support/main_window_fixture.h"
#include "support/generated_share.h"
#include "support/simulated_cable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

namespace vortan {
namespace {

using namespace simulation;
using Entries = std::vector<std::pair<std::string, std::string>>;

constexpr int Scenes_Per_Method_And_Units = 4200;
constexpr std::uint64_t Seed = 20261209;
constexpr double Feet_Per_Metre = 3.281;
constexpr int Most_Failures_Shown = 20;

// What the first-order rounding bound leaves out: its own second order and the
// finite differences it is computed with.
constexpr double Rounding_Margin = 1.25;

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double rounded(double value, int decimals) { return std::stod(fixed(value, decimals)); }

// Two schedule rows around the creep-compensated temperature, their sags as
// printed in a schedule; the required sag is the line between them.
struct Schedule {
    Entries entries;
    double required_sag = 0;  // metres
};

Schedule make_schedule(double sag, bool imperial, std::mt19937_64& random) {
    std::uniform_int_distribution<int> actual_degrees(-10, 40), creep_degrees(-10, 10);
    const int actual = actual_degrees(random), creep = creep_degrees(random), compensated = actual + creep;
    const int lower = 5 * static_cast<int>(std::floor(compensated / 5.0)), upper = lower + 5;
    const double per_degree = sag * std::uniform_real_distribution<double>(0.002, 0.01)(random);
    const double length_unit = imperial ? Feet_Per_Metre : 1;
    const double upper_sag = rounded((sag + per_degree * (upper - compensated)) * length_unit, 2);
    const double lower_sag = rounded((sag - per_degree * (compensated - lower)) * length_unit, 2);
    auto temperature = [imperial](double celsius) { return fixed(imperial ? celsius * 1.8 + 32 : celsius, 1); };
    Schedule s;
    s.entries = {{"Actual_Cable_Temperature_Edit", temperature(actual)},
                 {"Temperature_Compensation_Edit", fixed(imperial ? creep * 1.8 : creep, 1)},
                 {"Hours_Since_Cable_Runout_Edit", "0"},
                 {"Upper_Temperature_Degrees_Edit", temperature(upper)},
                 {"Lower_Temperature_Degrees_Edit", temperature(lower)},
                 {"Upper_Sag_Edit", fixed(upper_sag, 2)},
                 {"Lower_Sag_Edit", fixed(lower_sag, 2)}};
    s.required_sag = (lower_sag + (compensated - lower) * (upper_sag - lower_sag) / 5) / length_unit;
    return s;
}

struct Tally {
    int checked = 0;
    int sagged = 0;
    int refused = 0;
    int bounded_only = 0;        // no scene found for what was typed: judged by the rounding bound
    double worst_check = 0;      // from the simulated sag, metres
    double worst_fed_back = 0;   // from the required sag, metres
    double worst_departure = 0;  // from the sag of what was typed, metres
};

struct Outcome {
    bool success = false;
    RunValues values;
    std::string message;  // the last error shown
};

class SimulatedCable : public testing::MainWindowTest {
protected:
    // Readings taken as exact: here only a line through a support itself
    // bounds the sag; the bands have a simulation of their own.
    SimulatedCable() {
        port.set_default_answer(Answer::Yes);
        for (const PrecisionSetting& setting : precision_settings()) setup.form().set_text(setting.field, "0");
    }

    void given_case(const Scene& scene, Circle circle, const std::string& span, const Schedule& schedule) {
        const char* circles[] = {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"};
        for (int c = 0; c < 3; ++c) setup.form().set_checked(circles[c], c == static_cast<int>(circle));
        setup.form().set_items("Code_Name_ListBox", {"Sim\t\t\t" + std::to_string(scene.mass) + "\t\t"});
        form().set_items("Cable_Code_Name_ComboBox", {"Sim"});
        form().set_item_index("Cable_Code_Name_ComboBox", 0);
        given_header("T1", "T2", span);
        for (const auto& [field, text] : schedule.entries) type(field, text);
    }

    Outcome run(int page, bool checking, const Entries& entries) {
        form().user_select("Sag_New_or_Existing_RadioGroup", checking ? 1 : 0);
        given_method_page(page);
        for (const auto& [field, text] : entries) type(field, text);
        port.clear_transcript();
        CalcContext c = context();
        Outcome outcome{false, Calculate_Sag_BitBtnClick(c), ""};
        outcome.success = flag("Data_Calc_Successful_CheckBox");
        for (const std::string& line : port.transcript())
            if (line.rfind("MESSAGE error", 0) == 0) outcome.message = line;
        return outcome;
    }

    void fail(const std::string& what) {
        if (++failures_ <= Most_Failures_Shown) ADD_FAILURE() << what << "\n  " << story_;
    }

    std::string story_;  // the case being run, as a user would type it
    int failures_ = 0;
};

Entries written(const Scene& scene, const std::vector<double>& parameters, bool imperial, Circle circle) {
    Entries entries = scene.fixed_entries;
    for (const Observation& o : scene.observe(parameters))
        entries.emplace_back(o.field, written_text(o, imperial, circle));
    return entries;
}

// The sag the program must find: that of the simulated scene whose
// observations, written down, are exactly what was typed (found by Newton's
// method on the scene, not by the program's formulas). Where no such scene is
// found nearby, the sag error the rounding can explain to first order.
struct Verdict {
    bool right = false;
    double departure = 0;   // from the scene of the typed observations, metres
    bool bounded_only = false;
};

Verdict judge(const Scene& scene, const std::vector<double>& parameters, bool imperial,
              const std::vector<double>& typed, double found) {
    const std::vector<double> sensitivity = sag_sensitivity(scene, parameters, imperial);
    const std::vector<Observation> observations = scene.observe(parameters);
    double rounding = 0;
    for (size_t i = 0; i < observations.size(); ++i)
        rounding += std::fabs(sensitivity[i]) * half_resolution(observations[i].entry, imperial);
    const double slack = 1e-6 * (parameters[0] + 1);
    if (const auto expected = sag_of(scene, parameters, typed, imperial)) {
        // Arithmetic may not blur the answer by more than a thousandth of the rounding.
        const double departure = std::fabs(found - *expected);
        return {departure <= slack + 1e-3 * rounding, departure, false};
    }
    return {std::fabs(found - parameters[0]) <= Rounding_Margin * rounding + slack, 0, true};
}

std::vector<double> typed_values(const Scene& scene, const std::vector<double>& parameters, bool imperial) {
    std::vector<double> values;
    for (const Observation& o : scene.observe(parameters)) values.push_back(rounded_written_value(o, imperial));
    return values;
}

enum class Expect { Success, Refusal, Either };

// A sighting clearly inside the span must be taken, one clearly outside refused;
// where the rounding of what is recorded may move it across a support, either.
Expect expectation(const Scene& scene, const std::vector<double>& parameters, double span, bool imperial) {
    if (!scene.place) return Expect::Success;
    const double place = scene.place(parameters);
    const double margin = 0.002 * span + 3 * place_uncertainty(scene, parameters, imperial);
    if (margin <= place && place <= span - margin) return Expect::Success;
    if (place < -margin || place > span + margin) return Expect::Refusal;
    return Expect::Either;
}

// VORTAN_SIMULATION_PAGE=n runs one method page alone, to replay a failure.
int only_page() {
    const char* page = std::getenv("VORTAN_SIMULATION_PAGE");
    return page ? std::atoi(page) : -1;
}

TEST_F(SimulatedCable, EveryMethodRecoversTheSagOrRefuses) {
    Tally tallies[2][Method_Count];
    std::string names[Method_Count];
    for (int units = 0; units < 2; ++units) {
        const bool imperial = units == 1;
        setup.form().set_item_index("Units_of_Measure_RadioGroup", units);
        const double length_unit = imperial ? Feet_Per_Metre : 1;
        for (int page = 0; page < Method_Count; ++page) {
            if (only_page() >= 0 && page != only_page()) continue;
            for (int i = 0; i < testing::generated(Scenes_Per_Method_And_Units); ++i) {
                std::mt19937_64 random(Seed ^ (static_cast<std::uint64_t>(units) << 40) ^
                                       (static_cast<std::uint64_t>(page) << 32) ^ static_cast<std::uint64_t>(i));
                const Circle circle = static_cast<Circle>(i % 3);
                auto uniform = [&](double low, double high) {
                    return std::uniform_real_distribution<double>(low, high)(random);
                };
                // The span as typed is exact; the cable hangs from it.
                const double span_typed = rounded(std::exp(uniform(std::log(30.0), std::log(1200.0))) * length_unit, 2);
                Cable cable;
                cable.span = span_typed / length_unit;
                cable.sag = cable.span * uniform(0.005, 0.08);
                cable.rise = cable.span * uniform(-0.15, 0.15);
                const Scene scene = make_scene(page, cable, circle, random);
                const Schedule schedule = make_schedule(cable.sag, imperial, random);
                names[page] = scene.method;
                Tally& tally = tallies[units][page];
                std::ostringstream story;
                story << scene.method << (imperial ? ", imperial" : ", metric") << ", circle " << i % 3 << ", scene "
                      << i << ": span " << fixed(span_typed, 2) << ", sag " << cable.sag << " m, rise " << cable.rise
                      << " m, mass " << scene.mass;
                story_ = story.str();
                given_case(scene, circle, fixed(span_typed, 2), schedule);

                // Checking the simulated cable.
                const Expect check = expectation(scene, scene.parameters, cable.span, imperial);
                const Entries observed = written(scene, scene.parameters, imperial, circle);
                // A tangent that touches the curve just behind a support looks like one
                // touching at it, so only sightings clearly inside the span are
                // checked; an offset bearing off the span can be taken, and is refused.
                if (check == Expect::Success || (page == 5 && check == Expect::Refusal)) {
                    const Outcome out = run(page, true, observed);
                    for (const auto& [field, text] : observed) story_ += "; " + field + "=" + text;
                    if (out.success && check == Expect::Refusal) fail("a sighting off the span was reported as a success");
                    if (!out.success && check == Expect::Success) fail("checking refused: " + out.message);
                    if (out.success) {
                        const double found = out.values.actual_sag / length_unit;
                        const Verdict verdict =
                            judge(scene, scene.parameters, imperial, typed_values(scene, scene.parameters, imperial), found);
                        if (!verdict.right)
                            fail("checked sag " + std::to_string(found) + " m, simulated " + std::to_string(cable.sag) +
                                 " m, " + std::to_string(verdict.departure) + " m off the sag of what was typed");
                        ++tally.checked;
                        tally.bounded_only += verdict.bounded_only;
                        tally.worst_check = std::max(tally.worst_check, std::fabs(found - cable.sag));
                        tally.worst_departure = std::max(tally.worst_departure, verdict.departure);
                    } else {
                        ++tally.refused;
                    }
                }
                story_ = story.str();

                // Sagging a cable to the schedule, and checking what it says to observe.
                if (scene.output.empty()) continue;
                std::vector<double> required = scene.parameters;
                required[0] = schedule.required_sag;
                const Expect sag = expectation(scene, required, cable.span, imperial);
                Entries inputs = written(scene, required, imperial, circle);
                const std::string fed_back_field = inputs[scene.fixed_entries.size() + scene.fed_back].first;
                inputs.erase(inputs.begin() + static_cast<long>(scene.fixed_entries.size() + scene.fed_back));
                for (const auto& [field, text] : inputs) story_ += "; " + field + "=" + text;
                const Outcome out = run(page, false, inputs);
                if (out.success && sag == Expect::Refusal) fail("sagging reported a sighting off the span as a success");
                if (!out.success && sag == Expect::Success) fail("sagging refused: " + out.message);
                if (!out.success) {
                    ++tally.refused;
                    continue;
                }
                if (!(std::fabs(out.values.required_sag / length_unit - schedule.required_sag) < 1e-9 * length_unit + 1e-9))
                    fail("required sag " + std::to_string(out.values.required_sag) + " differs from the schedule's");
                const std::string asked_for = text(scene.output);  // checking writes its own value there
                inputs.emplace_back(fed_back_field, asked_for);
                story_ += "; then checked with " + fed_back_field + "=" + asked_for;
                const Outcome back = run(page, true, inputs);
                if (!back.success) {
                    // At a support the rounded reading may fall just off the span.
                    if (sag == Expect::Success) fail("the observation sagging asked for was refused: " + back.message);
                    continue;
                }
                const double found = back.values.actual_sag / length_unit;
                std::vector<double> typed = typed_values(scene, required, imperial);
                typed[scene.fed_back] =
                    written_of_output(asked_for, scene.observe(required)[scene.fed_back].entry, circle);
                const Verdict verdict = judge(scene, required, imperial, typed, found);
                if (!verdict.right)
                    fail("fed back, the sag is " + std::to_string(found) + " m for the required " +
                         std::to_string(schedule.required_sag) + " m, " + std::to_string(verdict.departure) +
                         " m off the sag of what was typed");
                ++tally.sagged;
                tally.bounded_only += verdict.bounded_only;
                tally.worst_fed_back = std::max(tally.worst_fed_back, std::fabs(found - schedule.required_sag));
                tally.worst_departure = std::max(tally.worst_departure, verdict.departure);
            }
        }
    }
    std::printf("%-16s %-8s %8s %8s %8s %8s %14s %14s %12s\n", "method", "units", "checked", "sagged", "refused",
                "bounded", "worst check m", "worst fed m", "vs typed m");
    for (int page = 0; page < Method_Count; ++page)
        for (int units = 0; units < 2; ++units) {
            const Tally& t = tallies[units][page];
            std::printf("%-16s %-8s %8d %8d %8d %8d %14.6f %14.6f %12.2e\n", names[page].c_str(),
                        units ? "imperial" : "metric", t.checked, t.sagged, t.refused, t.bounded_only, t.worst_check,
                        t.worst_fed_back, t.worst_departure);
        }
    EXPECT_EQ(failures_, 0) << "seed " << Seed;
}

}  // namespace
}  // namespace vortan
