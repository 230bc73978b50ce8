#include "overview/line_overview.h"

#include "calc/unit_conversion.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "report/report_data.h"

#include <algorithm>
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
    span_of_.assign(cable_sags.size(), -1);
    without_span_ = 0;
    for (size_t i = 0; i < cable_sags.size(); ++i) {
        span_of_[i] = span_of_record(cable_sags[i]);
        if (span_of_[i] < 0)
            ++without_span_;
        else
            by_span_[static_cast<size_t>(span_of_[i])].push_back(static_cast<int>(i));
    }
    checks_.assign(cable_sags.size(), std::nullopt);
    stored_checks_.forget_on_new_settings();
    code_names_.clear();
    for (const std::string& line : setup_.items(setup_list::Code_Names)) code_names_.push_back(record_field(line, 1));
}

bool LineOverview::follow(const ItemsChange& sag_spans, const ItemsChange& cable_sags, OverviewRowListener& rows) {
    if (!can_follow(sag_spans, cable_sags)) return false;
    // Sag-spans added come first, as new cable sags may belong to them; those
    // replaced last, when their cable sags' rows read the list as it is now.
    add_sag_spans(sag_spans, rows);
    follow_cable_sags(cable_sags, rows);
    replace_sag_spans(sag_spans, rows);
    return true;
}

bool LineOverview::can_follow(const ItemsChange& sag_spans, const ItemsChange& cable_sags) const {
    // Beyond this many rows one reset of the view is quicker than the rows one by one.
    constexpr size_t Most_Rows = 256;
    const size_t spans_before = by_span_.size(), cable_sags_before = span_of_.size();
    const bool spans_fit = sag_spans.first + sag_spans.removed <= spans_before &&
                           spans_before - sag_spans.removed + sag_spans.inserted == main_.items(Sag_Spans).size();
    const bool cable_sags_fit =
        cable_sags.first + cable_sags.removed <= cable_sags_before &&
        cable_sags_before - cable_sags.removed + cable_sags.inserted == main_.items(Cable_Sags).size();
    // Sag-spans are replaced in place or added at the end; added ones must
    // not take over cable sags that belonged to no sag-span until now.
    const bool spans_kept = sag_spans.removed == sag_spans.inserted ||
                            (sag_spans.removed < sag_spans.inserted &&
                             sag_spans.first + sag_spans.removed == spans_before && without_span_ == 0);
    return spans_fit && cable_sags_fit && spans_kept && sag_spans.inserted <= Most_Rows &&
           cable_sags.removed + cable_sags.inserted <= Most_Rows;
}

void LineOverview::add_sag_spans(const ItemsChange& change, OverviewRowListener& rows) {
    for (size_t added = change.removed; added < change.inserted; ++added) {
        rows.inserting(-1, span_count());
        by_span_.emplace_back();
        rows.inserted();
    }
}

void LineOverview::replace_sag_spans(const ItemsChange& change, OverviewRowListener& rows) {
    // A sag-span replaced: its row and, as the span length goes into each
    // check, the rows of its cable sags.
    for (size_t span = change.first; span < change.first + change.removed; ++span) {
        rows.changed(-1, static_cast<int>(span));
        const std::vector<int>& positions = by_span_[span];
        for (size_t n = 0; n < positions.size(); ++n) {
            checks_[static_cast<size_t>(positions[n])].reset();
            rows.changed(static_cast<int>(span), static_cast<int>(n));
        }
    }
}

void LineOverview::follow_cable_sags(const ItemsChange& change, OverviewRowListener& rows) {
    const std::vector<std::string>& records = main_.items(Cable_Sags);
    bool in_place = change.removed == change.inserted;
    for (size_t i = change.first; in_place && i < change.first + change.inserted; ++i)
        in_place = span_of_record(records[i]) == span_of_[i];
    if (!in_place) return replace_cable_sags(change, rows);
    // Each record stays on its row: only what the row shows changes.
    for (size_t i = change.first; i < change.first + change.inserted; ++i) {
        checks_[i].reset();
        if (span_of_[i] >= 0) rows.changed(span_of_[i], row_under_span(span_of_[i], static_cast<int>(i)));
    }
}

void LineOverview::replace_cable_sags(const ItemsChange& change, OverviewRowListener& rows) {
    const size_t first = change.first, old_end = first + change.removed, new_end = first + change.inserted;
    // The replaced rows go, last first, while the other rows still hold their
    // old list positions (which the list no longer has: nothing is read from them meanwhile).
    following_ = true;
    for (size_t i = old_end; i-- > first;) {
        const int span = span_of_[i];
        if (span < 0) {
            --without_span_;
            continue;
        }
        const int row = row_under_span(span, static_cast<int>(i));
        rows.removing(span, row);
        by_span_[static_cast<size_t>(span)].erase(by_span_[static_cast<size_t>(span)].begin() + row);
        rows.removed();
    }
    following_ = false;
    // The records after them move in the list.
    const long shift = static_cast<long>(change.inserted) - static_cast<long>(change.removed);
    for (std::vector<int>& positions : by_span_)
        for (int& position : positions)
            if (position >= static_cast<int>(old_end)) position = static_cast<int>(position + shift);
    span_of_.erase(span_of_.begin() + static_cast<long>(first), span_of_.begin() + static_cast<long>(old_end));
    span_of_.insert(span_of_.begin() + static_cast<long>(first), change.inserted, -1);
    checks_.erase(checks_.begin() + static_cast<long>(first), checks_.begin() + static_cast<long>(old_end));
    checks_.insert(checks_.begin() + static_cast<long>(first), change.inserted, std::nullopt);
    // The new records come in under their sag-spans, in list order.
    const std::vector<std::string>& records = main_.items(Cable_Sags);
    for (size_t i = first; i < new_end; ++i) {
        const int span = span_of_record(records[i]);
        span_of_[i] = span;
        if (span < 0) {
            ++without_span_;
            continue;
        }
        std::vector<int>& positions = by_span_[static_cast<size_t>(span)];
        const auto row = std::lower_bound(positions.begin(), positions.end(), static_cast<int>(i)) - positions.begin();
        rows.inserting(span, static_cast<int>(row));
        positions.insert(positions.begin() + row, static_cast<int>(i));
        rows.inserted();
    }
}

int LineOverview::span_of_record(const std::string& record) const {
    const auto span = record_number(record, Span_Number);
    if (span && *span >= 1 && *span <= static_cast<double>(by_span_.size())) return static_cast<int>(*span) - 1;
    return -1;
}

int LineOverview::row_under_span(int span, int list_position) const {
    const std::vector<int>& positions = by_span_[static_cast<size_t>(span)];
    return static_cast<int>(std::lower_bound(positions.begin(), positions.end(), list_position) - positions.begin());
}

bool LineOverview::imperial() const { return setup_.item_index("Units_of_Measure_RadioGroup") == 1; }

const std::string& LineOverview::record_of(int span, int cable) const {
    if (cable < 0) return main_.items(Sag_Spans)[static_cast<size_t>(span)];
    const std::vector<std::string>& records = main_.items(Cable_Sags);
    const auto position = static_cast<size_t>(cable_sag_index(span, cable));
    static const std::string gone;  // a row on its way out while the view follows an edit
    return position < records.size() ? records[position] : gone;
}

std::optional<double> LineOverview::length(const std::string& record, int field) const {
    const auto metric = record_number(record, field);
    if (!metric) return std::nullopt;
    return imperial() ? metric_to_imperial(Quantity::Length, *metric) : *metric;
}

std::optional<StoredCheck> LineOverview::check(int span, int cable) const {
    if (cable < 0 || following_) return std::nullopt;
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
