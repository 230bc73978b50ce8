// From the chart to the crew: Fill Schedule from Chart puts the two chart rows
// around the cable's temperature into the schedule, and the run then asks
// for the chart's sag at that temperature, in the state of the sag mode
// (initial to sag a new cable, final to check one in service).
#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "stringing/conductor_catalogue.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace vortan;
using namespace vortan::stringing;

namespace {

class ChartFill : public testing::Test {
protected:
    void SetUp() override {
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Suspension"});
        s.set_items(setup_list::Cable_Positions, {"Top Phase"});
        s.set_items(setup_list::Code_Names, {"Drake\tACSR\t26/7\t1627\t28.14\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t"});
        window.start();
        port.set_default_answer(Answer::Yes);
    }
    void given_line(std::mt19937& random, int spans) {
        std::uniform_int_distribution<int> length(150, 450);
        for (int n = 1; n <= spans; ++n) {
            form().user_type("From_Tower_Edit", "T" + std::to_string(n));
            form().user_type("To_Tower_Edit", "T" + std::to_string(n + 1));
            form().user_type("Span_Length_Edit", std::to_string(length(random)));
            form().user_click("Next_Tower_BitBtn");
        }
        StringingData data;
        const Conductor& drake = catalogue_conductor("Drake")->data;
        data.conductors.push_back({"Drake", drake.area_mm2, drake.modulus_gpa, drake.expansion_per_c,
                                   drake.rated_strength_kn});
        data.designs.push_back({"T1", "Drake", {DesignCondition::Tension::Newtons, 28000, 25, 0, 0, 10, CableAge::Final}});
        window.set_stringing_data(data);
        ASSERT_EQ(window.span_count(), spans);
    }
    // The chart's sag between its rows, as the schedule interpolates it.
    double chart_sag(int span, double temperature, CableAge age) {
        const LineSchedule schedule = window.line_schedule();
        const SectionChart& chart = schedule.charts.front();
        const double step = schedule.temperatures_c[1] - schedule.temperatures_c[0];
        const double lower = schedule.temperatures_c[0] + std::floor((temperature - schedule.temperatures_c[0]) / step) * step;
        const double below = *charted_sag(schedule, chart, span, lower, age);
        if (temperature == lower) return below;
        const double above = *charted_sag(schedule, chart, span, lower + step, age);
        return below + (above - below) * (temperature - lower) / step;
    }
    Form& form() { return window.form(); }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
};

TEST_F(ChartFill, TheRequiredSagIsTheChartsSagAtTheCablesTemperature) {
    std::mt19937 random(1210);
    given_line(random, 6);
    std::uniform_int_distribution<int> span(1, 6), mode(0, 1), tenths(-100, 499);
    for (int round = 0; round < 40; ++round) {
        port.set_default_answer(Answer::No);  // nothing filled is preserved
        const int n = span(random), sag_mode = mode(random);
        // Every fifth temperature is one of the chart's own.
        const double temperature = round % 5 == 0 ? 5.0 * (tenths(random) / 50) : tenths(random) / 10.0;
        SCOPED_TRACE("span " + std::to_string(n) + " mode " + std::to_string(sag_mode) + " at " +
                     std::to_string(temperature));
        window.show_from_overview(n, -1);
        form().user_select("Sag_New_or_Existing_RadioGroup", sag_mode);
        form().user_type("Actual_Cable_Temperature_Edit", std::to_string(temperature));
        form().user_select_page("Calc_Method_PageControl", 8);  // pendulum: no instrument needed
        form().user_type("Swing_Number_of_Swings_Edit", "5");
        form().user_type("Swing_Actual_Time_Edit", "20");
        port.set_default_answer(Answer::Yes);
        const size_t shown = port.messages().size();
        ASSERT_EQ(window.fill_schedule_from_chart(), "");
        window.Calculate_Sag_BitBtnClick();
        ASSERT_EQ(port.messages().size(), shown) << port.messages().back();
        EXPECT_TRUE(window.schedule_rows_from_chart());
        const CableAge age = sag_mode == 0 ? CableAge::Initial : CableAge::Final;
        const auto number = [&](const char* field) { return std::stod(form().text(field)); };
        const double upper = number("Upper_Temperature_Degrees_Edit"), lower = number("Lower_Temperature_Degrees_Edit");
        EXPECT_TRUE(lower <= temperature && temperature <= upper && upper - lower == 5) << lower << " " << upper;
        const double rows_sag = number("Lower_Sag_Edit") + (number("Upper_Sag_Edit") - number("Lower_Sag_Edit")) *
                                                               (temperature - lower) / (upper - lower);
        EXPECT_NEAR(rows_sag, chart_sag(n - 1, temperature, age), 0.0051);
        // At a chart temperature, the very figure of the chart.
        char charted[16];
        std::snprintf(charted, sizeof charted, "%.2f", chart_sag(n - 1, temperature, age));
        if (sag_mode == 0 && temperature == lower) {
            EXPECT_EQ(form().text("Compensated_Sag_Edit"), charted);
        }
        // A row typed over is the user's, not the chart's.
        form().user_type("Upper_Sag_Edit", "1.5");
        EXPECT_FALSE(window.schedule_rows_from_chart());
    }
}

TEST_F(ChartFill, WithoutAChartForTheCableTheFillSaysWhyAndTypesNothing) {
    std::mt19937 random(7);
    given_line(random, 2);
    window.show_from_overview(1, -1);
    form().user_type("Actual_Cable_Temperature_Edit", "70");
    EXPECT_NE(window.fill_schedule_from_chart().find("outside the stringing chart"), std::string::npos);
    window.set_stringing_data({});
    form().user_type("Actual_Cable_Temperature_Edit", "15");
    EXPECT_NE(window.fill_schedule_from_chart().find("no design condition"), std::string::npos);
    EXPECT_EQ(form().text("Upper_Sag_Edit"), "");
}

}  // namespace
