#include "report/sag_report.h"

#include "project/setup_lists.h"
#include "report/report_csv.h"
#include "report/report_data.h"
#include "report/report_pages.h"

namespace vortan {

SagReport build_sag_report(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                           const std::string& time_stamp) {
    // Item 0 is metric; any other choice prints imperial units.
    const bool imperial = setup.item_index("Units_of_Measure_RadioGroup") != 0;
    SagReport report;
    std::vector<ReportRow> rows = report_data_rows({
        .sag_spans = main_window.items("Pole_Data_Listbox"),
        .cable_sags = main_window.items("Cable_Bundle_Record_Listbox"),
        .structure_types = setup.items(setup_list::Structure_Types),
        .cable_positions = setup.items(setup_list::Cable_Positions),
        .code_names = setup.items(setup_list::Code_Names),
        .imperial = imperial,
        .numbers = numbers,
    });
    if (setup.item_index("Sort_Report_Data_RadioGroup") == 1) sort_report_rows(rows);
    report.csv = report_csv(rows, imperial);
    report.data_lines.reserve(rows.size());
    for (ReportRow& row : rows) report.data_lines.push_back(std::move(row.line));
    const ReportHeading heading{setup.text("Contract_Edit"), setup.text("Contractor_Edit"),
                                setup.text("Transmission_Line_Edit"), imperial, time_stamp};
    report.text = report_pages(heading, report.data_lines);
    return report;
}

}  // namespace vortan
