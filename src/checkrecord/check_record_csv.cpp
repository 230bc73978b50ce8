#include "checkrecord/check_record_csv.h"

#include "report/csv_row.h"

namespace vortan {

namespace {

// A column's printed heading on one line: "Required Sag (m)".
std::string caption(CheckColumn column, bool imperial) {
    std::string text;
    for (const std::string& word : check_column_heading(column, imperial)) text += (text.empty() ? "" : " ") + word;
    return text;
}

}  // namespace

std::string check_record_csv(const CheckRecord& record) {
    std::string csv = csv_row({Check_Record_Title});
    for (const auto& [label, text] : check_record_details(record)) csv += csv_row({label, text});
    csv += csv_row({});
    std::vector<std::string> captions;
    for (int c = 0; c < Check_Column_Count; ++c)
        captions.push_back(caption(static_cast<CheckColumn>(c), record.heading.imperial));
    csv += csv_row(captions);
    for (const CheckRecordRow& row : record.rows) csv += csv_row({row.cells.begin(), row.cells.end()});
    csv += csv_row({});
    for (const char* signer : Check_Record_Signers) csv += csv_row({signer, "", "Signature", "", "Date", ""});
    return csv;
}

}  // namespace vortan
