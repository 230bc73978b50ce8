// Storing the sag-span and cable sag on screen, and deleting stored ones.
#include "calc/field_readers.h"
#include "mainwindow/main_window.h"
#include "mainwindow/record_transfer.h"
#include "project/record_layout.h"

namespace vortan {

namespace {

// Removes every record for which `doomed` holds; the number removed.
template <typename Predicate>
int remove_records(Form& form, const char* list, Predicate doomed) {
    std::vector<std::string> kept;
    int removed = 0;
    for (const std::string& record : form.items(list)) {
        if (doomed(record))
            ++removed;
        else
            kept.push_back(record);
    }
    form.set_items(list, std::move(kept));
    return removed;
}

// The record with field 1 replaced by a new span number.
std::string renumbered(const std::string& record, int span) {
    size_t tab = record.find('\t');
    return std::to_string(span) + (tab == std::string::npos ? std::string("\t") : record.substr(tab));
}

}  // namespace

void MainWindow::Commit_Span_Changes_BitBtnClick() {
    CalcContext c = context();
    // A header that cannot be stored stays on screen as changed, so that
    // leaving it still asks.
    if (Check_Sag_Span_Entry(c, /*allow_blank=*/false) != "T") return;
    const std::string record = build_sag_span_record(c);
    const auto& spans = form_.items("Pole_Data_Listbox");
    if (span_number() > span_count() || spans[static_cast<size_t>(span_number() - 1)] != record)
        form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    store_sag_span_record(form_, span_number(), record);
    update_span_count_label();
    form_.set_checked("Span_Data_Changed_CheckBox", false);
}

void MainWindow::Commit_Cable_Bundle_Changes_BitBtnClick() {
    form_.set_checked("Data_Calc_Successful_CheckBox", false);
    // A cable sag is kept only under a chosen cable, which its key names...
    for (const char* combo : {"Cable_Type_ComboBox", "Cable_Position_ComboBox", "Cable_Code_Name_ComboBox"}) {
        if (form_.item_index(combo) >= 0) continue;
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : No Cable has been chosen.\n\r\n\rChoose a Structure Type, Cable Position and Cable Name "
                      "(add them in Setup if there are none) before preserving the Cable / Sag data.");
        return;
    }
    // ... and with its sag-span: a new span's header is stored first.
    if (span_number() > span_count()) {
        Commit_Span_Changes_BitBtnClick();
        if (span_number() > span_count()) return;
    }
    form_.set_checked("Calcualte_Without_Messages_CheckBox", false);
    Calculate_Sag_BitBtnClick();
    if (!form_.checked("Data_Calc_Successful_CheckBox")) return;
    CalcContext c = context();
    const std::vector<std::string> before = form_.items("Cable_Bundle_Record_Listbox");
    store_cable_sag_record(form_, build_cable_sag_record(c));
    if (form_.items("Cable_Bundle_Record_Listbox") != before) form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    form_.set_checked("Cable_Data_Changed_CheckBox", false);
}

void MainWindow::Delete_Curr_Cable_Details_BitBtnClick() {
    if (form_.checked("Cable_Data_Changed_CheckBox")) {
        if (port_.warn(Buttons::YesNo,
                          "Warning : The modified Cable / Sag data has not been preserved yet, are you sure you "
                          "want to delete the changes ?") == Answer::Yes) {
            display();
            form_.set_checked("Cable_Data_Changed_CheckBox", false);
        }
        return;
    }
    if (form_.items("Cable_Bundle_Record_Listbox").empty()) {
        port_.message(MessageKind::Error, Buttons::OK, "Error : No Cable / Sag data has been entered yet.");
        return;
    }
    // The sag-span is shown afresh after a delete: its edits are offered for
    // preserving first, and kept on screen when they cannot be stored.
    if (form_.checked("Span_Data_Changed_CheckBox")) {
        preserve_question();
        if (form_.checked("Span_Data_Changed_CheckBox")) return;
        if (form_.checked("User_Declined_Preserve_CheckBox")) display();  // the edits the user dropped go
    }
    const std::string position = form_.text("Cable_Position_ComboBox");
    const std::string near_name = form_.text("From_Tower_Edit"), far_name = form_.text("To_Tower_Edit");
    if (port_.warn(Buttons::YesNo,
                      "Warning : Delete the Cable Sag ?\n\r\n\rAre you sure you want to delete the details for the " +
                          position + " cable position details for the span between \"" + near_name + "\" and \"" +
                          far_name + "\" ?") != Answer::Yes)
        return;
    // Every cable sag of that position in the span goes, whatever its type or code name.
    const int span = span_number(), position_index = form_.item_index("Cable_Position_ComboBox");
    int removed = remove_records(form_, "Cable_Bundle_Record_Listbox", [&](const std::string& record) {
        return record_integer(record, 1) == span && record_integer(record, 3) == position_index;
    });
    if (removed > 0) form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    if (removed == 0)
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : No matching records found for the " + position +
                          " Cable Position for the span between " + near_name + " and " + far_name + " !");
    display();
    form_.set_checked("Cable_Data_Changed_CheckBox", false);
}

void MainWindow::Delete_Curr_Span_Details_BitBtnClick() {
    int n = span_number();
    if (form_.checked("Span_Data_Changed_CheckBox")) {
        if (port_.warn(Buttons::YesNo,
                          "Warning : The modified Sag-Span data has not been preserved yet, are you sure you want "
                          "to delete the changes ?") == Answer::Yes) {
            if (span_count() < n) set_span_number(span_count());
            display();
            form_.set_checked("Span_Data_Changed_CheckBox", false);
        }
        return;
    }
    if (form_.items("Pole_Data_Listbox").empty()) {
        port_.message(MessageKind::Error, Buttons::OK, "Error : No Sag-Span data has been entered yet.");
        return;
    }
    const std::string near_name = form_.text("From_Tower_Edit"), far_name = form_.text("To_Tower_Edit");
    if (port_.warn(Buttons::YesNo,
                      "Warning : Delete all Cable Sags for this Sag Span ?\n\r\n\rAre you sure that you want to "
                      "delete all Cable Sag details for every cable in the span between " +
                          near_name + " and " + far_name + " ?") != Answer::Yes)
        return;
    for (const char* field : {"From_Tower_Edit", "Span_Length_Edit", "To_Tower_Edit"}) form_.set_text(field, "");
    auto of_span = [n](const std::string& record) { return record_integer(record, 1) == n; };
    int removed = remove_records(form_, "Pole_Data_Listbox", of_span);
    removed += remove_records(form_, "Cable_Bundle_Record_Listbox", of_span);
    if (removed == 0) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : No data was found for the span between " + near_name + " and " + far_name);
    } else {
        form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
        // The spans after the deleted one move up; their cable sags follow them.
        std::vector<std::string> spans = form_.items("Pole_Data_Listbox");
        for (size_t i = 0; i < spans.size(); ++i) spans[i] = renumbered(spans[i], static_cast<int>(i) + 1);
        form_.set_items("Pole_Data_Listbox", std::move(spans));
        std::vector<std::string> cables = form_.items("Cable_Bundle_Record_Listbox");
        for (std::string& record : cables) {
            auto span = record_integer(record, 1);
            if (span && *span > n) record = renumbered(record, *span - 1);
        }
        form_.set_items("Cable_Bundle_Record_Listbox", std::move(cables));
    }
    if (span_count() < n) n = span_count();
    set_span_number(n);
    display();
    form_.set_checked("Span_Data_Changed_CheckBox", false);
    form_.set_checked("Cable_Data_Changed_CheckBox", false);
}

}  // namespace vortan
