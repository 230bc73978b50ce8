// The Check Record command: the record of every stored cable sag, for the
// sagger and the checker to sign, in a window beside the main window.
#include "checkrecord/check_record_csv.h"
#include "checkrecord/check_record_text.h"
#include "mainwindow/main_window.h"
#include "report/report_text.h"

namespace vortan {

void MainWindow::Check_Record_OptionClick() {
    // As before the sag report, so that the record holds what was asked.
    if (!records_ready_to_report()) return;
    const CheckRecord record = build_check_record(form_, setup_.form(), numbers_, report_time_stamp(port_.now()));
    port_.show_check_record(check_record_text(record), check_record_csv(record));
}

}  // namespace vortan
