#include "checkrecord/check_record_rows.h"

#include "calc/precision/stored_check.h"
#include "calc/unit_conversion.h"
#include "project/program_version.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "report/sag_report.h"

namespace vortan {

namespace {

// The report's cells of a cable sag's row, in its column order.
enum ReportCell { Near_Cell, Far_Cell, Span_Cell, Type_Cell, Position_Cell, Code_Name_Cell, Method_Cell,
                  Required_Cell, Actual_Cell, Temperature_Cell, Date_Cell };

// Sag-span and cable-sag record fields.
constexpr int Span_Length_Field = 4, Inspector_Field = 5, Sag_Mode_Field = 8;

enum class Unit { None, Length, Temperature };

struct Heading {
    std::vector<std::string> words;
    Unit unit = Unit::None;
};

Heading heading_of(CheckColumn column) {
    using C = CheckColumn;
    switch (column) {
    case C::Near: return {{"Near", "Structure"}};
    case C::Far: return {{"Far", "Structure"}};
    case C::Span_Length: return {{"Span"}, Unit::Length};
    case C::Cable_Position: return {{"Cable", "Position"}};
    case C::Code_Name: return {{"Code", "Name"}};
    case C::Method: return {{"Method"}};
    case C::Sag_Mode: return {{"Sag", "Mode"}};
    case C::Date: return {{"Date"}};
    case C::Temperature: return {{"Temp"}, Unit::Temperature};
    case C::Required_Sag: return {{"Required", "Sag"}, Unit::Length};
    case C::Actual_Sag: return {{"Actual", "Sag"}, Unit::Length};
    case C::Difference: return {{"Difference"}, Unit::Length};
    case C::Difference_Percent: return {{"Difference", "(%)"}};
    case C::Band: return {{"Band", "95 %"}, Unit::Length};
    case C::Verdict: return {{"Verdict"}};
    case C::Inspector: return {{"Inspector"}};
    }
    return {};
}

std::string unit_text(Unit unit, bool imperial) {
    if (unit == Unit::Temperature) return imperial ? "(\xC2\xB0" "F)" : "(\xC2\xB0" "C)";
    return imperial ? "(ft)" : "(m)";
}

class RowBuilder {
public:
    RowBuilder(const Form& main_window, const Form& setup, const NumberFormat& numbers)
        : main_(main_window), setup_(setup), numbers_(numbers), checks_(main_window, setup, numbers),
          imperial_(setup.item_index("Units_of_Measure_RadioGroup") != 0) {}

    CheckRecordRow row_of(const ReportRow& report_row) {
        const std::string& span = main_.items("Pole_Data_Listbox")[report_row.sag_span];
        const std::string& cable = main_.items("Cable_Bundle_Record_Listbox")[*report_row.cable_sag];
        const auto& shown = report_row.cells;
        CheckRecordRow row;
        set(row, CheckColumn::Near, shown[Near_Cell]);
        set(row, CheckColumn::Far, shown[Far_Cell]);
        set(row, CheckColumn::Span_Length, span_length(span, shown[Span_Cell]));
        set(row, CheckColumn::Cable_Position, shown[Position_Cell]);
        set(row, CheckColumn::Code_Name, shown[Code_Name_Cell]);
        set(row, CheckColumn::Method, shown[Method_Cell]);
        set(row, CheckColumn::Sag_Mode, sag_mode_name(record_field(cable, Sag_Mode_Field)));
        set(row, CheckColumn::Date, shown[Date_Cell]);
        set(row, CheckColumn::Temperature, shown[Temperature_Cell]);
        set(row, CheckColumn::Required_Sag, measure(checks_.required_sag(cable)));
        set(row, CheckColumn::Actual_Sag, shown[Actual_Cell]);
        add_check(row, checks_.check_of(cable, report_row.span_length_metric));
        set(row, CheckColumn::Inspector,
            inspector_name(setup_.items(setup_list::Inspectors), record_field(span, Inspector_Field)));
        return row;
    }

private:
    static void set(CheckRecordRow& row, CheckColumn column, std::string text) {
        row.cells[static_cast<std::size_t>(column)] = std::move(text);
    }

    void add_check(CheckRecordRow& row, const std::optional<StoredCheck>& check) const {
        if (!check) return;
        set(row, CheckColumn::Difference, measure(check->difference));
        set(row, CheckColumn::Difference_Percent, format_number(check->percent, pattern::Time, numbers_));
        set(row, CheckColumn::Band, measure(check->band));
        set(row, CheckColumn::Verdict, verdict_word(check->verdict));
    }

    std::string measure(std::optional<double> value) const {
        return value ? format_number(*value, pattern::Measure, numbers_) : "";
    }

    // Always with two decimals: the report's column may have rounded a long
    // span to whole units, and the record's columns grow to fit.
    std::string span_length(const std::string& span, const std::string& shown) const {
        const auto metric = record_number(span, Span_Length_Field);
        if (!metric) return shown;
        return measure(imperial_ ? metric_to_imperial(Quantity::Length, *metric) : *metric);
    }

    const Form& main_;
    const Form& setup_;
    const NumberFormat& numbers_;
    StoredChecks checks_;
    bool imperial_;
};

}  // namespace

std::vector<std::string> check_column_heading(CheckColumn column, bool imperial) {
    Heading heading = heading_of(column);
    if (heading.unit != Unit::None) heading.words.push_back(unit_text(heading.unit, imperial));
    return heading.words;
}

bool is_number_column(CheckColumn column) {
    switch (column) {
    case CheckColumn::Span_Length:
    case CheckColumn::Temperature:
    case CheckColumn::Required_Sag:
    case CheckColumn::Actual_Sag:
    case CheckColumn::Difference:
    case CheckColumn::Difference_Percent:
    case CheckColumn::Band: return true;
    default: return false;
    }
}

std::vector<CheckRecordRow> check_record_rows(const Form& main_window, const Form& setup, const NumberFormat& numbers) {
    std::vector<ReportRow> report_rows = report_data_rows(report_source_of(main_window, setup, numbers));
    if (setup.item_index("Sort_Report_Data_RadioGroup") == 1) sort_report_rows(report_rows);
    RowBuilder builder(main_window, setup, numbers);
    std::vector<CheckRecordRow> rows;
    for (const ReportRow& report_row : report_rows)
        if (report_row.cable_sag) rows.push_back(builder.row_of(report_row));
    return rows;
}

std::vector<std::pair<std::string, std::string>> check_record_details(const CheckRecord& record) {
    return {{"Contract", record.heading.contract},
            {"Contractor", record.heading.contractor},
            {"Transmission Line", record.heading.transmission_line},
            {"Program", "Vortan " + record.version},
            {"Prepared on", record.heading.time_stamp}};
}

CheckRecord build_check_record(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                               const std::string& time_stamp) {
    return {report_heading_of(setup, time_stamp), program_version(), check_record_rows(main_window, setup, numbers)};
}

}  // namespace vortan
