// The readers every number and required text of a calculation passes through,
// with their messages, and the check of the sag-span header.
#pragma once

#include "calc/calc_context.h"

#include <functional>
#include <string>

namespace vortan {

// Page indexes of Transmission_Line_PageControl.
inline constexpr int Sag_Span_Page = 0;
inline constexpr int Cable_Sag_Page = 1;
inline constexpr int No_Page = -1;

struct NumberField {
    std::string field;
    std::string caption;
    int page;
    double lower;
    double upper;
};

// A typed number checked against its range: the value; or Abort_Value after
// the error for a text that is no number, or when the user refuses to use a
// value out of range. `point_at_field` brings the field to the user first.
double read_number_text(UserPort& port, const NumberFormat& numbers, const std::string& text,
                        const std::string& caption, double lower, double upper,
                        const std::function<void()>& point_at_field);

// The number a field stands for: while it shows a stored measure unedited, the
// stored value in the units in force (not its rounded display); otherwise its
// text read as typed. Abort_Value for an empty or unreadable field.
double field_value(const CalcContext& context, const std::string& field);

// The accepted value, Abort_Value, or 0 for an out-of-range value while quiet.
double Read_Number_Field(CalcContext& context, const NumberField& entry);
double Read_Number_Field(CalcContext& context, const std::string& field, const std::string& caption,
                         int page, double lower, double upper);

// The field's text, or an empty text (with the null message unless quiet).
std::string Read_Required_Text(CalcContext& context, const std::string& field,
                               const std::string& caption, int page);

// "T" valid header, "F" not valid, "B" all three header fields blank.
std::string Check_Sag_Span_Entry(CalcContext& context, bool allow_blank);

// Shows an error box with OK, even while quiet.
void show_error(CalcContext& context, const std::string& text);
// The same, after bringing the field to correct to the user.
void show_error_at(CalcContext& context, const std::string& field, int page, const std::string& text);

}  // namespace vortan
