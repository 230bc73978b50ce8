// The demo line, recalculated in metric and in imperial units, hangs the same
// cables: every required and actual sag agrees within the two displays' rounding.
// And the line overview and the report's spreadsheet give each checked sag
// the verdict and band the window gives it.
#include "shell/cli_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace vortan {
namespace {

std::vector<std::string> recalculated(bool imperial) {
    std::vector<std::string> spans;
    const int status = recalc_project(VORTAN_EXAMPLES_DIR "/demo-line.vtn",
                                      [&](const std::string& line) {
                                          if (line.rfind("SPAN ", 0) == 0) spans.push_back(line);
                                      },
                                      imperial);
    EXPECT_EQ(status, 0);
    return spans;
}

// The number after `key=`, or nothing when the field is empty.
std::string value_of(const std::string& line, const std::string& key) {
    const size_t at = line.find(" " + key + "=");
    if (at == std::string::npos) return "";
    const size_t begin = at + key.size() + 2;
    return line.substr(begin, line.find(' ', begin) - begin);
}

double number(std::string text) {
    std::erase(text, ',');
    return std::stod(text);
}

TEST(DemoLine, GivesTheSamePhysicalSagsInBothUnitSystems) {
    const std::vector<std::string> metric = recalculated(false), imperial = recalculated(true);
    ASSERT_EQ(metric.size(), imperial.size());
    ASSERT_FALSE(metric.empty());
    for (size_t i = 0; i < metric.size(); ++i) {
        SCOPED_TRACE(metric[i] + "\n" + imperial[i]);
        EXPECT_NE(metric[i].find(" ok=1 "), std::string::npos);
        EXPECT_NE(imperial[i].find(" ok=1 "), std::string::npos);
        for (const char* key : {"required", "actual"}) {
            const std::string in_metres = value_of(metric[i], key), in_feet = value_of(imperial[i], key);
            ASSERT_EQ(in_metres.empty(), in_feet.empty()) << key;
            if (in_metres.empty()) continue;
            EXPECT_NEAR(number(in_feet) / 3.281, number(in_metres), 0.005 + 0.005 / 3.281 + 1e-9) << key;
        }
    }
}

// The cells of a CSV row without quotes (the demo's verdict rows have none).
std::vector<std::string> cells_of(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(row);
    while (std::getline(in, cell, ',')) cells.push_back(cell);
    if (!row.empty() && row.back() == ',') cells.emplace_back();
    return cells;
}

// "VERDICT band" of every row whose `verdict` column holds one, sorted.
std::vector<std::string> verdicts_in(const std::vector<std::string>& rows, size_t verdict, size_t band) {
    std::vector<std::string> found;
    for (const std::string& row : rows) {
        const std::vector<std::string> cells = cells_of(row);
        if (cells.size() <= band || cells[verdict].empty() || cells[verdict] == "Verdict" || cells[verdict] == "Check")
            continue;
        std::string width = cells[band];
        if (width.rfind("\xC2\xB1 ", 0) == 0) width.erase(0, 3);
        found.push_back(cells[verdict] + " " + width);
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST(DemoLine, TheOverviewAndTheReportGiveEachCheckedSagTheWindowsVerdict) {
    const char* const master = VORTAN_EXAMPLES_DIR "/demo-line.vtn";
    std::vector<std::string> shown, overview, report;
    for (const std::string& line : recalculated(false)) {
        const std::string verdict = value_of(line, "verdict");
        if (!verdict.empty()) shown.push_back(verdict + " " + value_of(line, "band"));
    }
    std::sort(shown.begin(), shown.end());
    auto add_to = [](std::vector<std::string>& rows) { return [&rows](const std::string& row) { rows.push_back(row); }; };
    ASSERT_EQ(overview_project(master, add_to(overview), [](const std::string&) {}), 0);
    ASSERT_EQ(report_project(master, DateTime{}, add_to(report), [](const std::string&) {}, true), 0);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(verdicts_in(overview, 2, 4), shown);
    EXPECT_EQ(verdicts_in(report, 11, 12), shown);
}

}  // namespace
}  // namespace vortan
