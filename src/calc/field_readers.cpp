#include "calc/field_readers.h"

#include "calc/unit_conversion.h"
#include "project/record_layout.h"
#include "project/text_compare.h"

namespace vortan {

namespace {

void point_at(CalcContext& context, const std::string& field, int page) {
    if (page >= 0) context.form.set_active_page("Transmission_Line_PageControl", page);
    context.form.set_focus(field);
}

}  // namespace

void show_error(CalcContext& context, const std::string& text) {
    context.port.message(MessageKind::Error, Buttons::OK, text);
}

void show_error_at(CalcContext& context, const std::string& field, int page, const std::string& text) {
    point_at(context, field, page);
    show_error(context, text);
}

namespace {

// A value checked against its range, with the messages of read_number_text.
double read_number_value(UserPort& port, const NumberFormat& numbers, double value, const std::string& caption,
                         double lower, double upper, const std::function<void()>& point_at_field) {
    const std::string range = "The " + caption + " should be a number between " +
                              format_number(lower, pattern::Measure, numbers) + " and " +
                              format_number(upper, pattern::Measure, numbers) + ".";
    if (value == Abort_Value) {
        if (point_at_field) point_at_field();
        port.message(MessageKind::Error, Buttons::OK, "Error : " + range);
        return Abort_Value;
    }
    if (lower <= value && value <= upper) return value;
    if (point_at_field) point_at_field();
    Answer answer = port.warn(Buttons::YesNo,
                                 "Warning : Use a value outside of the expected range ?\n\r\n\r" + range +
                                     "   \n\r\n\rAre you sure you want to use a number outside of this range ?");
    return answer == Answer::Yes ? value : Abort_Value;
}

}  // namespace

double read_number_text(UserPort& port, const NumberFormat& numbers, const std::string& text,
                        const std::string& caption, double lower, double upper,
                        const std::function<void()>& point_at_field) {
    const double value = text.empty() ? Abort_Value : Text_To_Number(text, numbers);
    return read_number_value(port, numbers, value, caption, lower, upper, point_at_field);
}

double field_value(const CalcContext& context, const std::string& field) {
    const Control& shown = context.form.control(field);
    if (!shown.source.empty()) {
        const auto kind = stored_quantity(field);
        const double stored = Text_To_Number(shown.source, NumberFormat{});
        if (kind && stored != Abort_Value) return context.imperial() ? metric_to_imperial(*kind, stored) : stored;
    }
    return shown.text.empty() ? Abort_Value : Text_To_Number(shown.text, context.numbers);
}

double Read_Number_Field(CalcContext& context, const NumberField& entry) {
    const double value = field_value(context, entry.field);
    if (context.quiet()) {
        // Quiet runs never ask: a value out of range reads as 0.
        if (value == Abort_Value) return Abort_Value;
        return entry.lower <= value && value <= entry.upper ? value : 0;
    }
    return read_number_value(context.port, context.numbers, value, entry.caption, entry.lower, entry.upper,
                             [&] { point_at(context, entry.field, entry.page); });
}

double Read_Number_Field(CalcContext& context, const std::string& field, const std::string& caption,
                         int page, double lower, double upper) {
    return Read_Number_Field(context, NumberField{field, caption, page, lower, upper});
}

std::string Read_Required_Text(CalcContext& context, const std::string& field,
                               const std::string& caption, int page) {
    const std::string& text = context.form.text(field);
    if (!text.empty()) return text;
    if (!context.quiet()) {
        point_at(context, field, page);
        show_error(context, "Error : The " + caption + " cannot be null.");
    }
    return "";
}

std::string Check_Sag_Span_Entry(CalcContext& context, bool allow_blank) {
    std::string result = "F";
    const std::string& near_name = context.form.text("From_Tower_Edit");
    const std::string& far_name = context.form.text("To_Tower_Edit");
    if (!far_name.empty() && same_ignoring_case(near_name, far_name)) {
        point_at(context, "To_Tower_Edit", Sag_Span_Page);
        show_error(context, "Error : The near / left structure cannot have the same name as the far / right structure !");
        return "F";
    }
    if (near_name.empty() && far_name.empty() && context.form.text("Span_Length_Edit").empty()) {
        result = "B";
        if (allow_blank) return result;
    }
    if (Read_Required_Text(context, "From_Tower_Edit", "near or left structure", Sag_Span_Page).empty())
        return result;
    if (Read_Required_Text(context, "To_Tower_Edit", "far or right structure", Sag_Span_Page).empty())
        return result;
    if (Read_Number_Field(context, "Span_Length_Edit", "Span Length", Sag_Span_Page, 10, 2000) != Abort_Value)
        result = "T";
    return result;
}

}  // namespace vortan
