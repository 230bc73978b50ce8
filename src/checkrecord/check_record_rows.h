// The rows of the check record a supervisor signs: one per stored cable sag,
// with its sags, their difference, and the band and verdict of its tolerance
// check, read through the report's rows and the stored checks so that the
// record, the report and the line overview never disagree.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "report/report_pages.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace vortan {

inline constexpr const char* Check_Record_Title = "Vortan Check Record";
// The people who sign the record, in the order they sign.
inline constexpr std::array<const char*, 2> Check_Record_Signers = {"Sagged by", "Checked by"};

enum class CheckColumn {
    Near, Far, Span_Length, Cable_Position, Code_Name, Method, Sag_Mode, Date, Temperature,
    Required_Sag, Actual_Sag, Difference, Difference_Percent, Band, Verdict, Inspector,
};
inline constexpr int Check_Column_Count = static_cast<int>(CheckColumn::Inspector) + 1;

// A column's heading as printed, one line a word, its unit (in the units in
// force) on the last line.
std::vector<std::string> check_column_heading(CheckColumn column, bool imperial);
// Numbers are aligned on the right, texts on the left.
bool is_number_column(CheckColumn column);

struct CheckRecordRow {
    std::array<std::string, Check_Column_Count> cells;
    const std::string& cell(CheckColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};

struct CheckRecord {
    ReportHeading heading;  // the project details and time stamp of the sag report
    std::string version;    // of the program that made the record
    std::vector<CheckRecordRow> rows;
};

// The details above the rows, as label and text: the project details of the
// sag report's title block, the program and its version, the time stamp.
std::vector<std::pair<std::string, std::string>> check_record_details(const CheckRecord& record);

// In the report's order (sorted as the report is when the setup asks for it);
// lengths in the units in force with the separators given. The required sag
// is the one the check compares with, as the line overview shows it.
std::vector<CheckRecordRow> check_record_rows(const Form& main_window, const Form& setup, const NumberFormat& numbers);

// The record of the whole project, made at the time given ("07-Dec-2026 @ 10:30 AM").
CheckRecord build_check_record(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                               const std::string& time_stamp);

}  // namespace vortan
