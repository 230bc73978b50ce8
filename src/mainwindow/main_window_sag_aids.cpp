// The aids beside the method pages: they read what a run found and never
// write a field of the calculation itself.
#include "calc/accuracy_notes.h"
#include "calc/sag_tolerance.h"
#include "diagram/span_diagram.h"
#include "mainwindow/main_window.h"

namespace vortan {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

void MainWindow::show_sag_aids(CalcContext& context, const RunValues& run) {
    if (!form_.checked("Data_Calc_Successful_CheckBox")) {
        clear_sag_aids();
        return;
    }
    const std::string unit = context.imperial() ? "ft" : "m";
    form_.set_items("Span_Diagram_Drawing",
                    diagram_shapes(span_diagram(run.span_length, run.sag(), run.sagging, run.sketch), Diagram_Design_Width,
                                   Diagram_Design_Height, unit));
    form_.set_caption("Accuracy_Notes_Label", joined(accuracy_notes(context, run)));
    show_sag_tolerance(context, !run.sagging, run.actual_sag, setup_.form().text("Sag_Tolerance_Percent_Edit"),
                       run.band);
}

void MainWindow::clear_sag_aids() {
    form_.set_items("Span_Diagram_Drawing", {});
    form_.set_caption("Accuracy_Notes_Label", "");
    clear_sag_tolerance(form_);
}

void MainWindow::Show_Sag_Aids_OptionClick() {
    const bool shown = !form_.checked("Show_Sag_Aids_Option");
    form_.set_checked("Show_Sag_Aids_Option", shown);
    form_.set_visible("Sag_Aids_Panel", shown);
}

}  // namespace vortan
