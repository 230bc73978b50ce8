// The demo line, recalculated in metric and in imperial units, hangs the same
// cables: every required and actual sag agrees within the two displays' rounding.
#include "shell/cli_commands.h"

#include <gtest/gtest.h>

#include <cmath>
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

}  // namespace
}  // namespace vortan
