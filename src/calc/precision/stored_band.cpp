#include "calc/precision/stored_band.h"

#include "calc/field_readers.h"
#include "calc/method_table.h"
#include "calc/precision/result_band.h"
#include "calc/unit_conversion.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"

namespace vortan {

namespace {

constexpr int Code_Name = 7, Sag_Mode = 8, Method = 19, First_Schedule_Field = 9, Last_Schedule_Field = 18,
              First_Method_Field = 20;

// The unit weight of the record's cable in N/m, as the run finds it: from
// the metric mass of its code-name record.
void weigh(const Form& setup, const std::string& record, RunValues& run) {
    const auto index = record_integer(record, Code_Name);
    const std::vector<std::string>& names = setup.items(setup_list::Code_Names);
    double mass = 0;
    if (index && *index >= 0 && *index < static_cast<int>(names.size()))
        mass = Text_To_Number(record_field(names[static_cast<size_t>(*index)], 4), NumberFormat{});
    weigh_cable(run, mass);
}

}  // namespace

StoredBands::StoredBands(const Form& main, const Form& setup, const NumberFormat& numbers)
    : scratch_(main), setup_(setup), numbers_(numbers) {}

std::optional<ResultBand> StoredBands::band_of(const std::string& record, double span_length_metric) {
    if (record_field(record, Sag_Mode) != "1") return std::nullopt;
    const auto page = record_integer(record, Method);
    if (!page || method_for_page(*page) == nullptr) return std::nullopt;
    SilentPort port(Answer::Yes);
    CalcContext context{scratch_.form(), setup_, port, numbers_};
    load_cable_sag_texts(context, record, First_Schedule_Field, Last_Schedule_Field);
    load_cable_sag_texts(context, record, First_Method_Field, Cable_Sag_Field_Count);
    RunValues run;
    run.sagging = false;
    run.span_length = from_metric(context, Quantity::Length, span_length_metric);
    weigh(setup_, record, run);
    return result_band(context, run, *page, instrument_precision(setup_, numbers_), scratch_);
}

}  // namespace vortan
