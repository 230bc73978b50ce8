// The line at a glance: every sag-span and under it each of its cable sags,
// as rows of named columns read from the record lists when asked for (no copy
// of them), with the tolerance check of every cable sag that has both sags:
// its verdict, and the band of a checked sag.
#pragma once

#include "calc/number_text.h"
#include "calc/precision/stored_check.h"
#include "form/form.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan {

// The first column names the row: a sag-span by its structures ("T1 - T2"),
// a cable sag by its cable position. The check comes next, so that a narrow
// dock shows what failed without scrolling.
enum class OverviewColumn {
    Name, Span_Length, Check, Difference_Percent, Band, Required_Sag, Actual_Sag, Difference,
    Method, Sag_Mode, Structure_Type, Code_Name, Date,
};
inline constexpr int Overview_Column_Count = static_cast<int>(OverviewColumn::Date) + 1;

// A column's heading, with the units in force.
std::string overview_heading(OverviewColumn column, bool imperial);

// Hears the rows of the overview change one by one while it follows an edit
// of the records. A row is named by its parent (-1 for a sag-span's row, else
// the sag-span, 0-based) and its place under it; each removal and insertion
// is told before it is made and after.
class OverviewRowListener {
public:
    virtual ~OverviewRowListener() = default;
    virtual void changed(int parent, int row) = 0;
    virtual void removing(int parent, int row) = 0;
    virtual void removed() = 0;
    virtual void inserting(int parent, int row) = 0;
    virtual void inserted() = 0;
};

class LineOverview {
public:
    // `numbers`: the separators in force, kept by reference as they may change.
    LineOverview(const Form& main, const Form& setup, const NumberFormat& numbers);

    // Groups the cable sags under their sag-spans again, after the records changed.
    void refresh();
    // Follows an edit of the sag-span list, then one of the cable-sag list,
    // row by row, and tells `rows` of each. False, with nothing changed, for
    // an edit too large or too tangled to follow (many rows, sag-spans removed
    // or moved): then refresh().
    bool follow(const ItemsChange& sag_spans, const ItemsChange& cable_sags, OverviewRowListener& rows);

    int span_count() const { return static_cast<int>(by_span_.size()); }
    // The length of the cable-sag list as last grouped or followed.
    int known_cable_sags() const { return static_cast<int>(span_of_.size()); }
    int cable_sag_count(int span) const { return static_cast<int>(by_span_[static_cast<size_t>(span)].size()); }
    // The position in the cable-sag list of a sag-span's n-th cable sag.
    int cable_sag_index(int span, int n) const { return by_span_[static_cast<size_t>(span)][static_cast<size_t>(n)]; }

    // A cell as shown: `cable` < 0 for the sag-span's own row (0-based rows).
    std::string text(int span, int cable, OverviewColumn column) const;
    // The value a numeric cell sorts by; nothing for text or an empty cell.
    std::optional<double> number(int span, int cable, OverviewColumn column) const;
    // Worked out once per cable sag until the next refresh: a band runs the
    // cable's method again for each of its readings.
    std::optional<StoredCheck> check(int span, int cable) const;
    // Does a row's name, cable, method, mode, check or date hold the text,
    // letter case ignored? (Not its numbers: a filter reads every row.)
    bool matches(int span, int cable, const std::string& lower_case_text) const;

private:
    bool can_follow(const ItemsChange& sag_spans, const ItemsChange& cable_sags) const;
    void add_sag_spans(const ItemsChange& change, OverviewRowListener& rows);
    void replace_sag_spans(const ItemsChange& change, OverviewRowListener& rows);
    void follow_cable_sags(const ItemsChange& change, OverviewRowListener& rows);
    void replace_cable_sags(const ItemsChange& change, OverviewRowListener& rows);
    // The sag-span (0-based) a cable-sag record belongs to, -1 for none.
    int span_of_record(const std::string& record) const;
    int row_under_span(int span, int list_position) const;
    bool imperial() const;
    const std::string& record_of(int span, int cable) const;
    std::optional<double> length(const std::string& record, int field) const;

    const Form& main_;
    const Form& setup_;
    const NumberFormat& numbers_;
    std::vector<std::vector<int>> by_span_;  // cable-sag list positions, in list order
    std::vector<int> span_of_;               // by cable-sag list position: its sag-span, -1 for none
    int without_span_ = 0;                   // cable sags whose sag-span is not in the list
    bool following_ = false;                 // rows being removed: the list is already the new one
    mutable StoredChecks stored_checks_;
    std::vector<std::string> code_names_;  // field 1 of each code-name record
    // The checks worked out so far, by cable-sag list position: a sort asks
    // for each many times.
    mutable std::vector<std::optional<std::optional<StoredCheck>>> checks_;
};

}  // namespace vortan
