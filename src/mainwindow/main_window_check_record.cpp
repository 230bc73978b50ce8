// The Check Record command: the record of every stored cable sag, for the
// sagger and the checker to sign, in a window beside the main window.
#include "calc/field_readers.h"
#include "checkrecord/check_record_csv.h"
#include "checkrecord/check_record_text.h"
#include "mainwindow/main_window.h"
#include "report/report_text.h"

namespace vortan {

void MainWindow::Check_Record_OptionClick() {
    // As before the sag report: a valid sag-span header, and the edits on
    // screen preserved or declined, so that the record holds what was asked.
    CalcContext c = context();
    if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return;
    preserve_question();
    if (form_.checked("Cable_Data_Changed_CheckBox") && !form_.checked("User_Declined_Preserve_CheckBox")) return;
    const CheckRecord record = build_check_record(form_, setup_.form(), numbers_, report_time_stamp(port_.now()));
    port_.show_check_record(check_record_text(record), check_record_csv(record));
}

}  // namespace vortan
