#include "report/sag_report.h"

#include "calc/precision/stored_check.h"
#include "project/setup_lists.h"
#include "report/report_csv.h"

namespace vortan {

namespace {

// The verdict and band of each row's cable sag, for the spreadsheet only.
void add_verdicts(std::vector<ReportRow>& rows, const Form& main_window, const Form& setup,
                  const NumberFormat& numbers) {
    StoredChecks checks(main_window, setup, numbers);
    const std::vector<std::string>& cable_sags = main_window.items("Cable_Bundle_Record_Listbox");
    for (ReportRow& row : rows) {
        if (!row.cable_sag) continue;
        const auto check = checks.check_of(cable_sags[*row.cable_sag], row.span_length_metric);
        row.cells.push_back(check ? verdict_word(check->verdict) : "");
        row.cells.push_back(check && check->band ? format_number(*check->band, pattern::Measure, numbers) : "");
    }
}

}  // namespace

ReportSource report_source_of(const Form& main_window, const Form& setup, const NumberFormat& numbers) {
    return {
        .sag_spans = main_window.items("Pole_Data_Listbox"),
        .cable_sags = main_window.items("Cable_Bundle_Record_Listbox"),
        .structure_types = setup.items(setup_list::Structure_Types),
        .cable_positions = setup.items(setup_list::Cable_Positions),
        .code_names = setup.items(setup_list::Code_Names),
        // Item 0 is metric; any other choice prints imperial units.
        .imperial = setup.item_index("Units_of_Measure_RadioGroup") != 0,
        .numbers = numbers,
    };
}

ReportHeading report_heading_of(const Form& setup, const std::string& time_stamp) {
    return {setup.text("Contract_Edit"), setup.text("Contractor_Edit"), setup.text("Transmission_Line_Edit"),
            setup.item_index("Units_of_Measure_RadioGroup") != 0, time_stamp};
}

SagReport build_sag_report(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                           const std::string& time_stamp) {
    const ReportSource source = report_source_of(main_window, setup, numbers);
    SagReport report;
    std::vector<ReportRow> rows = report_data_rows(source);
    if (setup.item_index("Sort_Report_Data_RadioGroup") == 1) sort_report_rows(rows);
    add_verdicts(rows, main_window, setup, numbers);
    report.csv = report_csv(rows, source.imperial);
    report.data_lines.reserve(rows.size());
    for (ReportRow& row : rows) report.data_lines.push_back(std::move(row.line));
    report.text = report_pages(report_heading_of(setup, time_stamp), report.data_lines);
    return report;
}

}  // namespace vortan
