// The main window's side of the stringing charts: the data kept with the
// project, the line's charts, and filling a cable sag's schedule rows from
// its section's chart.
#include "mainwindow/main_window.h"

#include "calc/number_text.h"
#include "shell/help_launcher.h"
#include "stringing/line_schedule.h"
#include "stringing/quantity_units.h"

#include <cmath>

namespace vortan {

using namespace stringing;

namespace {

constexpr const char* Stringing_List = "Stringing_Data_Listbox";
// Sags as the chart shows them: at a chart temperature the required sag is
// then the very figure the printed chart gives.
constexpr const char* Chart_Sag_Pattern = "##0.00";
constexpr const char* Chart_Rows_Status = "Upper and Lower schedule rows from the stringing chart";

// The two chart temperatures around t: the highest at or below it and the
// next above; none when t is outside the chart.
std::optional<std::pair<size_t, size_t>> bracket(const std::vector<double>& temperatures, double t) {
    for (size_t i = 0; i + 1 < temperatures.size(); ++i)
        if (temperatures[i] <= t + 1e-9 && t <= temperatures[i + 1] + 1e-9) return std::pair{i, i + 1};
    return std::nullopt;
}

}  // namespace

StringingData MainWindow::stringing_data() const { return read_stringing_data(form_.items(Stringing_List)); }

void MainWindow::set_stringing_data(const StringingData& data) {
    std::vector<std::string> lines = data.empty() ? std::vector<std::string>{} : stringing_data_lines(data);
    if (lines == form_.items(Stringing_List)) return;
    form_.set_items(Stringing_List, std::move(lines));
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    show_schedule_source();
    journal_changes();
}

LineSchedule MainWindow::line_schedule() const {
    return stringing::line_schedule(form_.items("Pole_Data_Listbox"), setup_.form().items("Code_Name_ListBox"),
                                    stringing_data());
}

bool MainWindow::imperial() const { return setup_.imperial(); }

FilledRows MainWindow::current_rows_key() const {
    FilledRows key;
    key.near_structure = form_.text("From_Tower_Edit");
    key.far_structure = form_.text("To_Tower_Edit");
    key.structure_type = form_.text("Cable_Type_ComboBox");
    key.cable_position = form_.text("Cable_Position_ComboBox");
    key.code_name = form_.text("Cable_Code_Name_ComboBox");
    return key;
}

bool MainWindow::schedule_rows_from_chart() const {
    const StringingData data = stringing_data();
    const FilledRows* filled = data.filled_rows(current_rows_key());
    if (!filled) return false;
    // The rows as shown against the values filled, to the digits they were filled with.
    const bool feet = imperial();
    const auto near = [&](const char* field, double value, double half_digit) {
        const double shown = Text_To_Number(form_.text(field), numbers_);
        return shown != Abort_Value && std::abs(shown - value) <= half_digit * 1.001;
    };
    const auto temperature = [feet](double c) { return shown_value(stringing::Quantity::Temperature, c, feet); };
    const auto length = [feet](double m) { return shown_value(stringing::Quantity::Length, m, feet); };
    return near("Upper_Temperature_Degrees_Edit", temperature(filled->upper_temperature_c), 0.05) &&
           near("Lower_Temperature_Degrees_Edit", temperature(filled->lower_temperature_c), 0.05) &&
           near("Upper_Sag_Edit", length(filled->upper_sag_m), 0.005) &&
           near("Lower_Sag_Edit", length(filled->lower_sag_m), 0.005);
}

void MainWindow::show_schedule_source() {
    // Typed rows and rows the chart filled look alike: the status line says which.
    const bool from_chart = schedule_rows_from_chart();
    if (from_chart == showing_chart_rows_) return;
    showing_chart_rows_ = from_chart;
    form_.set_text("Status_Bar_Panel", from_chart ? Chart_Rows_Status : "");
}

std::string MainWindow::fill_schedule_from_chart() {
    const int span = span_number() - 1;
    if (span < 0 || span >= span_count())
        return "Preserve this Sag-Span first: the stringing chart is worked out from the stored spans.";
    const LineSchedule schedule = line_schedule();
    const int section = section_of_span(schedule, span);
    const std::string code_name = form_.text("Cable_Code_Name_ComboBox");
    const SectionChart* chart = chart_for(schedule, section, code_name);
    if (!chart)
        return "There is no design condition for " + code_name + " in the tension section that starts at " +
               section_first_structure(schedule.sections[static_cast<size_t>(section)], schedule.spans) +
               ".  Set one under Calculation, Stringing Charts.";
    if (!chart->problem.empty()) return "There is no stringing chart for " + code_name + ": " + chart->problem + ".";
    const bool feet = imperial();
    const double shown = Text_To_Number(form_.text("Actual_Cable_Temperature_Edit"), numbers_);
    if (shown == Abort_Value) return "Type the Actual Temperature of the cable first.";
    const double actual_c = stored_value(stringing::Quantity::Temperature, shown, feet);
    const auto rows = bracket(schedule.temperatures_c, actual_c);
    if (!rows)
        return "The Actual Temperature is outside the stringing chart's temperatures.  Widen the chart under "
               "Calculation, Stringing Charts.";
    // A new cable is sagged to the initial state; a cable in service has crept.
    const CableAge age = form_.item_index("Sag_New_or_Existing_RadioGroup") == 0 ? CableAge::Initial : CableAge::Final;
    const auto sag_at = [&](size_t t) {
        return charted_sag(schedule, *chart, span, schedule.temperatures_c[t], age).value_or(0.0);
    };
    FilledRows filled = current_rows_key();
    filled.upper_temperature_c = schedule.temperatures_c[rows->second];
    filled.upper_sag_m = sag_at(rows->second);
    filled.lower_temperature_c = schedule.temperatures_c[rows->first];
    filled.lower_sag_m = sag_at(rows->first);
    const auto temperature = [feet](double c) { return shown_value(stringing::Quantity::Temperature, c, feet); };
    const auto length = [feet](double m) { return shown_value(stringing::Quantity::Length, m, feet); };
    const auto put = [&](const char* field, double value, const char* pattern) {
        form_.user_type(field, format_number(value, pattern, numbers_));
    };
    // The chart allows for creep already.
    put("Temperature_Compensation_Edit", 0, pattern::Time);
    put("Upper_Temperature_Degrees_Edit", temperature(filled.upper_temperature_c), pattern::Time);
    put("Upper_Sag_Edit", length(filled.upper_sag_m), Chart_Sag_Pattern);
    put("Lower_Temperature_Degrees_Edit", temperature(filled.lower_temperature_c), pattern::Time);
    put("Lower_Sag_Edit", length(filled.lower_sag_m), Chart_Sag_Pattern);
    StringingData data = stringing_data();
    data.set_filled_rows(filled);
    set_stringing_data(data);
    return {};
}

void MainWindow::Fill_Schedule_From_Chart_OptionClick() {
    const std::string problem = fill_schedule_from_chart();
    if (!problem.empty()) {
        port_.message(MessageKind::Error, Buttons::OK, "Error : " + problem);
        return;
    }
    show_schedule_source();
    // In Sag Cable mode the crew sees the observation to make at once, when
    // the method's fields are there for it. The run is quiet: the schedule
    // is often filled before the method's fields are typed, and those are not
    // wrong yet.
    if (form_.item_index("Sag_New_or_Existing_RadioGroup") != 0) return;
    const bool was_quiet = form_.checked("Calcualte_Without_Messages_CheckBox");
    form_.set_checked("Calcualte_Without_Messages_CheckBox", true);
    Calculate_Sag_BitBtnClick();
    form_.set_checked("Calcualte_Without_Messages_CheckBox", was_quiet);
}

void MainWindow::show_stringing_help() {
    run_help_command(port_, help_topic_command(help_topic::Stringing_Charts, places_.program_folder));
}

}  // namespace vortan
