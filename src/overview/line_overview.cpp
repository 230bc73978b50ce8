#include "overview/line_overview.h"

#include "calc/unit_conversion.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "report/report_data.h"

#include <cctype>
#include <cmath>

namespace vortan {

namespace {

constexpr const char* Sag_Spans = "Pole_Data_Listbox";
constexpr const char* Cable_Sags = "Cable_Bundle_Record_Listbox";

// Cable-sag record fields.
constexpr int Span_Number = 1, Structure_Type = 5, Cable_Position = 6, Code_Name = 7, Sag_Mode = 8, Date = 9,
              Actual_Sag = 18, Method = 19;
// Sag-span record fields.
constexpr int Near = 2, Far = 3, Span_Length = 4;

}  // namespace

std::string overview_heading(OverviewColumn column, bool imperial) {
    const std::string length = imperial ? " (ft)" : " (m)";
    switch (column) {
    case OverviewColumn::Name: return "Span / Cable";
    case OverviewColumn::Span_Length: return "Span" + length;
    case OverviewColumn::Structure_Type: return "Structure Type";
    case OverviewColumn::Code_Name: return "Cable Name";
    case OverviewColumn::Method: return "Method";
    case OverviewColumn::Sag_Mode: return "Mode";
    case OverviewColumn::Required_Sag: return "Required Sag" + length;
    case OverviewColumn::Actual_Sag: return "Actual Sag" + length;
    case OverviewColumn::Difference: return "Difference" + length;
    case OverviewColumn::Difference_Percent: return "Difference %";
    case OverviewColumn::Check: return "Check";
    case OverviewColumn::Band: return "Band" + length;
    case OverviewColumn::Date: return "Date";
    }
    return "";
}

LineOverview::LineOverview(const Form& main, const Form& setup, const NumberFormat& numbers)
    : main_(main), setup_(setup), numbers_(numbers), stored_checks_(main, setup, numbers) {
    refresh();
}

void LineOverview::refresh() {
    by_span_.assign(main_.items(Sag_Spans).size(), {});
    const std::vector<std::string>& cable_sags = main_.items(Cable_Sags);
    for (size_t i = 0; i < cable_sags.size(); ++i) {
        const auto span = record_number(cable_sags[i], Span_Number);
        if (span && *span >= 1 && *span <= static_cast<double>(by_span_.size()))
            by_span_[static_cast<size_t>(*span) - 1].push_back(static_cast<int>(i));
    }
    checks_.assign(cable_sags.size(), std::nullopt);
    stored_checks_.forget_on_new_settings();
    code_names_.clear();
    for (const std::string& line : setup_.items(setup_list::Code_Names)) code_names_.push_back(record_field(line, 1));
}

bool LineOverview::imperial() const { return setup_.item_index("Units_of_Measure_RadioGroup") == 1; }

const std::string& LineOverview::record_of(int span, int cable) const {
    if (cable < 0) return main_.items(Sag_Spans)[static_cast<size_t>(span)];
    return main_.items(Cable_Sags)[static_cast<size_t>(cable_sag_index(span, cable))];
}

std::optional<double> LineOverview::length(const std::string& record, int field) const {
    const auto metric = record_number(record, field);
    if (!metric) return std::nullopt;
    return imperial() ? metric_to_imperial(Quantity::Length, *metric) : *metric;
}

std::optional<StoredCheck> LineOverview::check(int span, int cable) const {
    if (cable < 0) return std::nullopt;
    auto& known = checks_[static_cast<size_t>(cable_sag_index(span, cable))];
    if (!known) {
        const double span_length = record_number(record_of(span, -1), Span_Length).value_or(0);
        known = stored_checks_.remembered_check_of(record_of(span, cable), span_length);
    }
    return *known;
}

bool LineOverview::matches(int span, int cable, const std::string& lower_case_text) const {
    static constexpr OverviewColumn searched[] = {OverviewColumn::Name,    OverviewColumn::Structure_Type,
                                                  OverviewColumn::Code_Name, OverviewColumn::Method,
                                                  OverviewColumn::Sag_Mode, OverviewColumn::Check,
                                                  OverviewColumn::Date};
    // A verdict runs the cable's method again: it is looked at only for a
    // text that a verdict word can hold.
    const bool verdict_searched = std::string("pass").find(lower_case_text) != std::string::npos ||
                                  std::string("fail").find(lower_case_text) != std::string::npos ||
                                  std::string("inconclusive").find(lower_case_text) != std::string::npos;
    for (OverviewColumn column : searched) {
        if (column == OverviewColumn::Check && !verdict_searched) continue;
        std::string shown = text(span, cable, column);
        for (char& c : shown) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (shown.find(lower_case_text) != std::string::npos) return true;
        if (cable < 0 && column == OverviewColumn::Name) return false;  // a span row has nothing more
    }
    return false;
}

std::optional<double> LineOverview::number(int span, int cable, OverviewColumn column) const {
    if (column == OverviewColumn::Span_Length) return cable < 0 ? length(record_of(span, -1), Span_Length) : std::nullopt;
    if (cable < 0) return std::nullopt;
    switch (column) {
    case OverviewColumn::Required_Sag: return stored_checks_.required_sag(record_of(span, cable));
    case OverviewColumn::Actual_Sag: return length(record_of(span, cable), Actual_Sag);
    case OverviewColumn::Difference:
        if (auto c = check(span, cable)) return c->difference;
        return std::nullopt;
    case OverviewColumn::Difference_Percent:
        if (auto c = check(span, cable)) return c->percent;
        return std::nullopt;
    case OverviewColumn::Band:
        if (auto c = check(span, cable)) return c->band;
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::string LineOverview::text(int span, int cable, OverviewColumn column) const {
    const std::string& record = record_of(span, cable);
    if (auto value = number(span, cable, column)) {
        if (column == OverviewColumn::Difference_Percent) return format_number(*value, pattern::Time, numbers_) + " %";
        if (column == OverviewColumn::Band) return "\xC2\xB1 " + format_number(*value, pattern::Measure, numbers_);
        return format_number(*value, pattern::Measure, numbers_);
    }
    if (cable < 0) return column == OverviewColumn::Name ? record_field(record, Near) + " - " + record_field(record, Far) : "";
    switch (column) {
    case OverviewColumn::Name:
        return indexed_name(setup_.items(setup_list::Cable_Positions), record_field(record, Cable_Position));
    case OverviewColumn::Structure_Type:
        return indexed_name(setup_.items(setup_list::Structure_Types), record_field(record, Structure_Type));
    case OverviewColumn::Code_Name: return indexed_name(code_names_, record_field(record, Code_Name));
    case OverviewColumn::Method: return method_name(record_field(record, Method));
    case OverviewColumn::Sag_Mode: return sag_mode_name(record_field(record, Sag_Mode));
    case OverviewColumn::Check:
        if (auto c = check(span, cable)) return verdict_word(c->verdict);
        return "";
    case OverviewColumn::Date: return record_field(record, Date);
    default: return "";
    }
}

}  // namespace vortan
