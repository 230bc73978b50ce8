// The Report command: the sag report of the project in the report window.
#include "calc/field_readers.h"
#include "mainwindow/main_window.h"
#include "report/report_text.h"
#include "report/sag_report.h"

namespace vortan {

bool MainWindow::records_ready_to_report() {
    CalcContext c = context();
    if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return false;
    preserve_question();
    // Only a Yes whose cable sag could not be stored stops the report.
    return !form_.checked("Cable_Data_Changed_CheckBox") || form_.checked("User_Declined_Preserve_CheckBox");
}

void MainWindow::Report_BitBtnClick() {
    // 1: a valid sag-span header, and the edits on screen preserved or declined.
    if (!records_ready_to_report()) return;
    // 2
    form_.set_items("Report_Data_ListBox", {});
    form_.control("Report_Data_ListBox").sorted = false;
    const std::string time_stamp = report_time_stamp(port_.now());
    // 3-6
    SagReport report = build_sag_report(form_, setup_.form(), numbers_, time_stamp);
    form_.set_items("Report_Data_ListBox", std::move(report.data_lines));
    // 7
    port_.show_report(report.text, report.csv);
}

}  // namespace vortan
