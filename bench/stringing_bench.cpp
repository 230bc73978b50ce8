// Stringing charts of a 1,000-span line: 10 tension sections of 100 spans of
// 150 to 450 m (a fixed seed), Drake strung to 20 % of its rated strength at
// 15 °C final, charts for -10 to 50 °C every 5 °C, initial and final.
#include "bench_clock.h"
#include "stringing/conductor_catalogue.h"
#include "stringing/line_schedule.h"
#include "stringing/stringing_chart.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace vortan;
using namespace vortan::stringing;

namespace {

constexpr int Sections = 10;
constexpr int Spans_Per_Section = 100;
constexpr int Runs = 5;

std::vector<std::vector<double>> make_sections() {
    std::mt19937 random(1000);
    std::uniform_real_distribution<double> length(150, 450);
    std::vector<std::vector<double>> sections(Sections);
    for (auto& spans : sections)
        for (int s = 0; s < Spans_Per_Section; ++s) spans.push_back(length(random));
    return sections;
}

}  // namespace

int main() {
    const auto sections = make_sections();
    const Conductor drake = catalogue_conductor("Drake")->data;
    DesignCondition design;
    design.tension_kind = DesignCondition::Tension::Percent_Of_Rated_Strength;
    design.tension = 20;
    design.temperature_c = 15;
    design.creep_c = 10;
    design.age = CableAge::Final;
    const auto temperatures = chart_temperatures(-10, 50, 5);

    std::vector<StringingChart> charts;
    std::vector<double> seconds;
    for (int run = 0; run < Runs; ++run) {
        seconds.push_back(bench::seconds_of([&] {
            charts.clear();
            for (const auto& spans : sections) charts.push_back(stringing_chart(drake, spans, design, temperatures));
        }));
    }
    std::size_t sags = 0;
    for (const auto& chart : charts)
        for (const auto& point : chart.points) sags += point.sag_m.size();
    std::printf("stringing charts of %d spans in %d sections, %zu temperatures, %zu sags\n",
                Sections * Spans_Per_Section, Sections, temperatures.size(), sags);
    std::printf("charts built, first run: %.2f ms, worst of %d: %.2f ms (target under 50 ms)\n", seconds[0] * 1000,
                Runs, *std::max_element(seconds.begin(), seconds.end()) * 1000);

    // The same line as the window and vortan-cli get it: from the project's
    // lists (sag-span records, code names, stringing data) to every chart.
    std::vector<std::string> span_records;
    StringingData data;
    data.conductors.push_back({"Drake", drake.area_mm2, drake.modulus_gpa, drake.expansion_per_c,
                               drake.rated_strength_kn});
    int number = 0;
    for (const auto& spans : sections) {
        const std::string first = "T" + std::to_string(number + 1);
        data.set_strain(first, true);
        data.designs.push_back({first, "Drake", design});
        for (double length : spans) {
            ++number;
            span_records.push_back(std::to_string(number) + "\tT" + std::to_string(number) + "\tT" +
                                   std::to_string(number + 1) + "\t" + std::to_string(length) + "\t");
        }
    }
    const std::vector<std::string> code_names = {"Drake\tACSR\t26/7\t1627\t28.14\t"};
    seconds.clear();
    std::size_t charted = 0;
    for (int run = 0; run < Runs; ++run)
        seconds.push_back(bench::seconds_of([&] { charted = line_schedule(span_records, code_names, data).charts.size(); }));
    std::printf("from the project's lists, %zu charts: first run %.2f ms, worst of %d: %.2f ms (target under 50 ms)\n",
                charted, seconds[0] * 1000, Runs, *std::max_element(seconds.begin(), seconds.end()) * 1000);
}
