// The data lines of the sag report: one per cable sag, or one per sag-span
// without cable sags, built from the record lists and the setup lists.
#pragma once

#include "calc/number_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortan {

struct ReportSource {
    const std::vector<std::string>& sag_spans;
    const std::vector<std::string>& cable_sags;
    const std::vector<std::string>& structure_types;
    const std::vector<std::string>& cable_positions;
    const std::vector<std::string>& code_names;  // code-name records, the name in field 1
    bool imperial = false;
    NumberFormat numbers;  // the separators imperial values are written with
};

// One data line of the report, and the texts of its columns as printed (three
// for a sag-span without cable sags, eleven otherwise).
struct ReportRow {
    std::string line;
    std::vector<std::string> cells;
    // The row's cable sag, as its position in the cable-sag list, and its
    // sag-span's length in metres as stored; none for a sag-span without one.
    std::optional<std::size_t> cable_sag;
    double span_length_metric = 0;
    // Its sag-span, as its position in the sag-span list.
    std::size_t sag_span = 0;
};

// The data lines in sag-span order, each sag-span's cable sags in list order.
std::vector<ReportRow> report_data_rows(const ReportSource& source);

// Sorts the rows by their whole lines alphabetically with the letter case of A
// to Z ignored; the blanks that centre the near structure take part in the order.
void sort_report_rows(std::vector<ReportRow>& rows);

// The text shown for a setup-list line named by a stored index: the line, or
// "?" and the 1-based index when the index names no line ("?" alone when the
// stored text is not an integer).
std::string indexed_name(const std::vector<std::string>& list, std::string_view stored_index);

// The caption of the method page a stored index names, without "&", or "?"
// and the 1-based index as for indexed_name.
std::string method_name(std::string_view stored_index);

// The sag mode a stored item index names: "Check Cable Sag" for 1, otherwise
// "Sag Cable".
std::string sag_mode_name(std::string_view stored_mode);

// The given name and surname of the inspector a sag-span's stored index
// names; empty when none was chosen (a negative or empty index), "?" and the
// 1-based index as for indexed_name when the line is gone.
std::string inspector_name(const std::vector<std::string>& inspectors, std::string_view stored_index);

}  // namespace vortan
