// A headless main window with a scripted user, and intent-named helpers for
// putting a cable sag on screen.
#pragma once

#include "calc/calc_context.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vortan::testing {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(port, setup) { window.start(); }

    Form& form() { return window.form(); }
    CalcContext context() { return window.context(); }
    void type(const std::string& field, const std::string& text) { form().user_type(field, text); }
    const std::string& text(const std::string& field) { return form().text(field); }
    bool flag(const std::string& name) { return form().checked(name); }
    std::vector<std::string> messages() { return port.messages(); }
    std::vector<std::string> messages_since(size_t count) {
        auto all = port.messages();
        return {all.begin() + static_cast<long>(std::min(count, all.size())), all.end()};
    }

    void given_imperial_units() { setup.form().set_item_index("Units_of_Measure_RadioGroup", 1); }
    void given_quiet() { form().set_checked("Calcualte_Without_Messages_CheckBox", true); }
    void given_header(const std::string& near_name = "T1", const std::string& far_name = "T2",
                      const std::string& span = "300") {
        type("From_Tower_Edit", near_name);
        type("To_Tower_Edit", far_name);
        type("Span_Length_Edit", span);
    }
    // Upper 20 with sag 10, lower 10 with sag 9, at the given temperature and creep.
    void given_schedule(const std::string& actual = "15", const std::string& creep = "0") {
        type("Actual_Cable_Temperature_Edit", actual);
        type("Temperature_Compensation_Edit", creep);
        type("Hours_Since_Cable_Runout_Edit", "0");
        type("Upper_Temperature_Degrees_Edit", "20");
        type("Upper_Sag_Edit", "10");
        type("Lower_Temperature_Degrees_Edit", "10");
        type("Lower_Sag_Edit", "9");
    }
    void given_checking() { form().user_select("Sag_New_or_Existing_RadioGroup", 1); }
    void given_method_page(int page) { form().user_select_page("Calc_Method_PageControl", page); }
    void given_clean_flags() {
        for (const char* f : {"Cable_Data_Changed_CheckBox", "Data_Changed_Since_Load_CheckBox",
                              "Span_Data_Changed_CheckBox", "Data_Calc_Successful_CheckBox"})
            form().set_checked(f, false);
    }
    void calculate() { form().user_click("Calculate_Sag_BitBtn"); }
    // Sags a cable, types the observation that run asked for into the check
    // run's field, and checks the sag that comes back.
    void expect_round_trip(const std::string& required, const std::string& measured, double sag, double tolerance) {
        calculate();
        ASSERT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        const std::string observation = text(required);
        given_checking();
        type(measured, observation);
        calculate();
        ASSERT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_NEAR(Text_To_Number(text("Actual_Sag_Edit"), NumberFormat{}), sag, tolerance);
    }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow window;
};

}  // namespace vortan::testing
