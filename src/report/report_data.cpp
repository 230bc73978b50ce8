#include "report/report_data.h"

#include "calc/unit_conversion.h"
#include "mainwindow/main_form_layout.h"
#include "project/record_fields.h"
#include "project/record_splitter.h"
#include "report/report_text.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace vortan {

namespace {

// Sag-span fields.
constexpr int Field_Span_Number = 1, Field_Near = 2, Field_Far = 3, Field_Span_Length = 4;
// Cable-sag fields.
constexpr int Field_Structure_Type = 5, Field_Cable_Position = 6, Field_Code_Name = 7, Field_Sag_Date = 9,
              Field_Temperature = 11, Field_Required_Sag = 17, Field_Actual_Sag = 18, Field_Method = 19;

std::optional<int> integer_of(std::string_view text) { return strict_integer(std::string(text)); }

// The list position a stored index names, or nothing.
std::optional<std::size_t> position_in(std::size_t list_size, std::string_view stored_index) {
    const std::optional<int> index = integer_of(stored_index);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= list_size) return std::nullopt;
    return static_cast<std::size_t>(*index);
}

std::string stale_index(std::string_view stored_index) {
    const std::optional<int> index = integer_of(stored_index);
    return index ? "?" + std::to_string(static_cast<long long>(*index) + 1) : "?";
}

class DataLineBuilder {
public:
    explicit DataLineBuilder(const ReportSource& source) : source_(source) { group_cable_sags(); }

    // The data rows of the sag-span at 0-based position i.
    void add_sag_span(const std::string& record, std::size_t i, std::vector<ReportRow>& rows) {
        span_.assign(record);
        const ReportRow part = span_part(i);
        const auto cables = by_span_.find(integer_of(span_.field(Field_Span_Number)).value_or(-1));
        if (cables == by_span_.end()) {
            rows.push_back(part);
            return;
        }
        for (std::size_t c : cables->second) {
            ReportRow row = part;
            row.cable_sag = c;
            add_cable_part(source_.cable_sags[c], row);
            rows.push_back(std::move(row));
        }
    }

private:
    // A cell as printed: its text in the line, centred in its column.
    static void add_cell(ReportRow& row, std::string value, int width) {
        row.line += centred(value, width);
        row.cells.push_back(std::move(value));
    }

    void add_measure(ReportRow& row, std::string_view stored, Quantity kind, int width) const {
        add_cell(row, measure(stored, kind, width), width);
    }

    ReportRow span_part(std::size_t i) {
        std::string near_name(span_.field(Field_Near)), far_name(span_.field(Field_Far));
        if (near_name.empty()) near_name = std::to_string(i);
        if (far_name.empty()) far_name = std::to_string(i + 1);
        ReportRow row;
        row.sag_span = i;
        add_cell(row, near_name, report_width::Near);
        add_cell(row, far_name, report_width::Far);
        add_measure(row, span_.field(Field_Span_Length), Quantity::Length, report_width::Length);
        const double length = Text_To_Number(std::string(span_.field(Field_Span_Length)), NumberFormat{});
        row.span_length_metric = length == Abort_Value ? 0 : length;
        return row;
    }

    void add_cable_part(const std::string& record, ReportRow& row) {
        namespace w = report_width;
        cable_.assign(record);
        add_cell(row, indexed_name(source_.structure_types, cable_.field(Field_Structure_Type)), w::Structure_Type);
        add_cell(row, indexed_name(source_.cable_positions, cable_.field(Field_Cable_Position)), w::Cable_Position);
        add_cell(row, code_name(cable_.field(Field_Code_Name)), w::Code_Name);
        add_cell(row, method_name(cable_.field(Field_Method)), w::Method);
        add_measure(row, cable_.field(Field_Required_Sag), Quantity::Length, w::Required_Sag);
        add_measure(row, cable_.field(Field_Actual_Sag), Quantity::Length, w::Actual_Sag);
        add_measure(row, cable_.field(Field_Temperature), Quantity::Temperature, w::Temperature);
        add_cell(row, std::string(cable_.field(Field_Sag_Date)), w::Date);
    }

    // Field 1 of the code-name record the index names.
    std::string code_name(std::string_view stored_index) const {
        const auto position = position_in(source_.code_names.size(), stored_index);
        return position ? record_field(source_.code_names[*position], 1) : stale_index(stored_index);
    }

    // In the units in force, written with "###,###,##0.00" and the separators
    // in force whatever it was stored as, in whole units where two decimals
    // would not leave a blank in its column (a span of 1,219.50 m prints as
    // 1,220); a text that is not a number is printed as stored.
    std::string measure(std::string_view stored, Quantity kind, int width) const {
        const std::string text(stored);
        const double value = text.empty() ? Abort_Value : Text_To_Number(text, NumberFormat{});
        if (value == Abort_Value) return text;
        const double shown = source_.imperial ? metric_to_imperial(kind, value) : value;
        std::string printed = format_number(shown, pattern::Measure, source_.numbers);
        if (text_length(printed) >= static_cast<std::size_t>(width))
            printed = format_number(shown, "###,###,##0", source_.numbers);
        return printed;
    }

    // The 0-based positions of the cable sags of each span number, in list
    // order, so no sag-span searches the whole cable-sag list.
    void group_cable_sags() {
        for (std::size_t c = 0; c < source_.cable_sags.size(); ++c) {
            cable_.assign(source_.cable_sags[c]);
            if (auto span = integer_of(cable_.field(Field_Span_Number))) by_span_[*span].push_back(c);
        }
    }

    const ReportSource& source_;
    RecordSplitter span_, cable_;
    std::unordered_map<int, std::vector<std::size_t>> by_span_;
};

}  // namespace

std::string indexed_name(const std::vector<std::string>& list, std::string_view stored_index) {
    const auto position = position_in(list.size(), stored_index);
    return position ? list[*position] : stale_index(stored_index);
}

std::string method_name(std::string_view stored_index) {
    std::string caption = indexed_name(method_page_captions(), stored_index);
    std::erase(caption, '&');
    return caption;
}

std::string sag_mode_name(std::string_view stored_mode) {
    return stored_mode == "1" ? "Check Cable Sag" : "Sag Cable";
}

std::string inspector_name(const std::vector<std::string>& inspectors, std::string_view stored_index) {
    const std::optional<int> index = integer_of(stored_index);
    if (stored_index.empty() || (index && *index < 0)) return "";
    const auto position = position_in(inspectors.size(), stored_index);
    if (!position) return stale_index(stored_index);
    const std::string& record = inspectors[*position];
    const std::string given = record_field(record, 2), surname = record_field(record, 1);
    return given.empty() ? surname : given + " " + surname;
}

std::vector<ReportRow> report_data_rows(const ReportSource& source) {
    DataLineBuilder builder(source);
    std::vector<ReportRow> rows;
    rows.reserve(std::max(source.sag_spans.size(), source.cable_sags.size()));
    for (std::size_t i = 0; i < source.sag_spans.size(); ++i) builder.add_sag_span(source.sag_spans[i], i, rows);
    return rows;
}

namespace {
char lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool line_before(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lower_ascii(x)) < static_cast<unsigned char>(lower_ascii(y));
    });
}
}  // namespace

void sort_report_rows(std::vector<ReportRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ReportRow& a, const ReportRow& b) { return line_before(a.line, b.line); });
}

}  // namespace vortan
