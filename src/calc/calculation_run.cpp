#include "calc/calculation_run.h"

#include "calc/calculation_fault.h"
#include "calc/field_readers.h"
#include "calc/method_table.h"
#include "calc/precision/bound_refusal.h"
#include "calc/precision/method_readings.h"
#include "calc/precision/result_band.h"
#include "calc/run_values.h"
#include "calc/temperature_compensation.h"
#include "calc/unit_conversion.h"
#include "form/text_snapshot.h"
#include "project/record_fields.h"

namespace vortan {

namespace {

constexpr double Shortest_Span = 10;    // m
constexpr double Longest_Span = 2000;   // m

// Step 3: read quietly whatever the caller set; out of range reads as 0.
double read_span_length(CalcContext& context) {
    Form& form = context.form;
    bool was_quiet = form.checked("Calcualte_Without_Messages_CheckBox");
    form.set_checked("Calcualte_Without_Messages_CheckBox", true);
    double length = Read_Number_Field(context, "Span_Length_Edit", "Span Length", Sag_Span_Page,
                                      Convert_Limit(context, Quantity::Length, Shortest_Span),
                                      Convert_Limit(context, Quantity::Length, Longest_Span));
    form.set_checked("Calcualte_Without_Messages_CheckBox", was_quiet);
    return length;
}

// Step 6: the unit weight of the cable whose code name is selected; the last
// matching code-name record counts.
void find_unit_weight(const CalcContext& context, RunValues& run) {
    const std::string& code_name = context.form.text("Cable_Code_Name_ComboBox");
    double mass = 0;
    for (const std::string& record : context.setup.items("Code_Name_ListBox"))
        if (record_field(record, 1) == code_name)
            mass = Text_To_Number(record_field(record, 4), NumberFormat{});
    weigh_cable(run, mass);
}

// Step 11 done: the band of the result, or the refusal of a result the
// observations do not determine, which takes back what the method wrote.
bool stand_by_result(CalcContext& context, RunValues& run, int page, const TextSnapshot& before) {
    ScratchRun scratch(context.form);
    run.band = result_band(context, run, page, instrument_precision(context.setup, context.numbers), scratch);
    if (!refuse_unfounded_result(context, run, page, run.band)) return true;
    before.restore(context.form);
    run.band.reset();
    return false;
}

// The band beside the page's actual sag, when a sag was checked.
void write_band(CalcContext& context, const RunValues& run, int page) {
    const MethodReadings* readings = method_readings(page);
    if (readings == nullptr) return;
    const std::string field = band_field_of(readings->actual_sag);
    if (!context.form.has(field)) return;
    if (run.sagging || !run.band)
        context.form.set_text(field, "");
    else
        context.form.set_text(field, "\xC2\xB1 " + format_number(run.band->half_width, pattern::Measure, context.numbers));
}

void common_end(CalcContext& context, const RunValues& run) {
    Form& form = context.form;
    if (form.item_index("Sag_New_or_Existing_RadioGroup") == 1)
        context.write_result("Actual_Sag_Edit", run.actual_sag, Quantity::Length, pattern::Measure);
    form.set_checked("Cable_Data_Changed_CheckBox", true);
    form.set_checked("Data_Changed_Since_Load_CheckBox", true);
    form.set_checked("Data_Calc_Successful_CheckBox", true);
}

}  // namespace

RunValues Calculate_Sag_BitBtnClick(CalcContext& context) {
    Form& form = context.form;
    RunValues run;
    // 1-2: a fresh run, on a valid sag-span header.
    form.set_checked("Data_Calc_Successful_CheckBox", false);
    if (Check_Sag_Span_Entry(context, /*allow_blank=*/false) != "T") return run;
    // 3-5: span length, date and the cable temperature.
    run.span_length = read_span_length(context);
    if (Read_Required_Text(context, "Sag_Date_Edit", "SAG Date", Cable_Sag_Page).empty()) return run;
    const double actual_temperature = Read_Number_Field(
        context, "Actual_Cable_Temperature_Edit", "Actual Cable Temperature", Cable_Sag_Page,
        Convert_Limit(context, Quantity::Temperature, -20), Convert_Limit(context, Quantity::Temperature, 80));
    if (actual_temperature == Abort_Value) return run;
    // 6: the cable's unit weight.
    find_unit_weight(context, run);
    // 7-8: the required sag, when sagging a cable.
    run.sagging = form.item_index("Sag_New_or_Existing_RadioGroup") == 0;
    if (run.sagging) {
        auto sag = compensated_sag(context, actual_temperature);
        if (!sag) return run;
        run.required_sag = *sag;
        if (run.required_sag <= 0) {
            show_error(context, "Error: The \"Required Sag\" is less than or equal to 0.  As a result of this, the program is unable to complete the calculations based on the data you have entered.  Please check your input data and try again.");
            return run;
        }
    }
    // 9: a span length that was out of range.
    if (run.span_length == 0) {
        show_error(context, "Error: The \"Span Length\" is equal to 0.  As a result of this, the program is unable to complete the calculations based on the data you have entered.  Please check your input data and try again.");
        return run;
    }
    // 10-11: the method of the active page.
    const int page = form.active_page("Calc_Method_PageControl");
    SurveyMethod method = method_for_page(page);
    if (method == nullptr) {
        show_error(context, "Error : Unknown Calculation Method.\n\r\n\rPlease contact the program author immediately.");
        return run;
    }
    const TextSnapshot before(form);
    if (!method(context, run)) return run;
    if (!stand_by_result(context, run, page, before)) return run;
    // 12
    write_band(context, run, page);
    common_end(context, run);
    return run;
}

}  // namespace vortan
