#include "mainwindow/main_window.h"

#include "calc/calculation_run.h"
#include "calc/temperature_compensation.h"
#include "mainwindow/main_form_layout.h"
#include "mainwindow/sag_mode.h"
#include "ui/date_text.h"
#include "units/unit_labels.h"

namespace vortan {

namespace {

// The typed inputs of a cable sag: a change marks the cable sag as edited and
// recomputes the compensated temperature.
const char* const Cable_Sag_Inputs[] = {
    "Sag_Date_Edit",
    "Hours_Since_Cable_Runout_Edit",
    "Actual_Cable_Temperature_Edit",
    "Temperature_Compensation_Edit",
    "Upper_Temperature_Degrees_Edit",
    "Lower_Temperature_Degrees_Edit",
    "Upper_Sag_Edit",
    "Lower_Sag_Edit",
    "Swing_Number_of_Swings_Edit",
    "Swing_Actual_Time_Edit",
    "WAVE_Number_of_Return_Waves_Edit",
    "WAVE_Actual_Time_Edit",
};

const char* const Sag_Span_Header[] = {"From_Tower_Edit", "To_Tower_Edit", "Span_Length_Edit"};

}  // namespace

MainWindow::MainWindow(UserPort& port, SetupEditor& setup) : port_(port), setup_(setup) {
    build_main_form(form_);
    wire_handlers();
}

CalcContext MainWindow::context() { return CalcContext{form_, setup_.form(), port_, numbers_}; }

void MainWindow::wire_handlers() {
    form_.control("Calculate_Sag_BitBtn").on_click = [this] { Calculate_Sag_BitBtnClick(); };
    form_.control("Calculate_Option").on_click = [this] { Calculate_Sag_BitBtnClick(); };
    form_.control("Calc_Required_Temp_BitBtn").on_click = [this] { Calc_Required_Temp_BitBtnClick(); };
    for (const char* field : Cable_Sag_Inputs)
        form_.control(field).on_change = [this] { Cable_Bundle_Data_Changed_BitBtnClick(); };
    for (const char* field : Sag_Span_Header) form_.control(field).on_change = [this] { Span_Data_Changed(); };
    form_.control("Calc_Method_PageControl").on_change = [this] { Calc_Method_PageControlChange(); };
    form_.control("Sag_New_or_Existing_RadioGroup").on_change = [this] {
        Sag_New_or_Existing_RadioGroupClick();
    };
}

void MainWindow::set_defaults() {
    form_.set_text("Sag_Date_Edit", format_dd_mmm_yyyy(port_.now()));
    for (const char* field :
         {"Actual_Cable_Temperature_Edit", "Temperature_Compensation_Edit", "Hours_Since_Cable_Runout_Edit"})
        form_.set_text(field, "0");
}

void MainWindow::start() {
    set_defaults();
    form_.set_active_page("Transmission_Line_PageControl", 0);
    form_.set_active_page("Calc_Method_PageControl", 0);
    set_units_labels(form_, setup_.imperial());
    apply_sag_mode(form_);
    for (const std::string& flag : main_window_flags()) form_.set_checked(flag, false);
    form_.set_focus("From_Tower_Edit");
}

void MainWindow::Calculate_Sag_BitBtnClick() {
    CalcContext c = context();
    vortan::Calculate_Sag_BitBtnClick(c);
}

void MainWindow::Calc_Required_Temp_BitBtnClick() {
    CalcContext c = context();
    vortan::Calc_Required_Temp_BitBtnClick(c);
}

void MainWindow::Cable_Bundle_Data_Changed_BitBtnClick() {
    form_.set_checked("Calcualte_Without_Messages_CheckBox", true);
    Calc_Required_Temp_BitBtnClick();
    form_.set_checked("Calcualte_Without_Messages_CheckBox", false);
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
}

void MainWindow::Span_Data_Changed() {
    form_.set_checked("Span_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
}

void MainWindow::Calc_Method_PageControlChange() {
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
}

void MainWindow::Sag_New_or_Existing_RadioGroupClick() {
    form_.set_checked("Span_Data_Changed_CheckBox", true);
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    // The mode is part of the cable sag: without this flag, moving on would not
    // offer to preserve a changed mode.
    form_.set_checked("Cable_Data_Changed_CheckBox", true);
    apply_sag_mode(form_);
}

void MainWindow::setup_opened() {
    units_when_setup_opened_ = setup_.form().item_index("Units_of_Measure_RadioGroup");
}

void MainWindow::setup_closed() {
    if (setup_.form().item_index("Units_of_Measure_RadioGroup") != units_when_setup_opened_)
        set_units_labels(form_, setup_.imperial());
}

}  // namespace vortan
