// The layouts of the sag-span record (5 fields) and the cable-sag record (74
// fields): which named field each field comes from and how it is stored.
#pragma once

#include "calc/unit_conversion.h"

#include <optional>

#include <string>
#include <vector>

namespace vortan {

enum class FieldKind {
    Integer,    // a spin edit's value, a selection or a page index
    TypedText,  // the field's text exactly as typed
    TypedNumber,  // a count, time or DDD.MMSS angle: stored with "." and no grouping
    Measure,    // a length, temperature or force, stored in metric
    ListIndex,  // the index of the setup-list line equal to the chosen name
};

struct RecordField {
    const char* name;  // the named field, or for ListIndex the setup list searched
    FieldKind kind;
    Quantity quantity = Quantity::Length;  // for Measure
};

inline constexpr int Sag_Span_Field_Count = 5;
inline constexpr int Cable_Sag_Field_Count = 74;

// Field n of a record is entry n - 1.
const std::vector<RecordField>& sag_span_layout();
const std::vector<RecordField>& cable_sag_layout();

// The quantity of a field that records store as a metric measure, or nullopt.
std::optional<Quantity> stored_quantity(const std::string& field);

// A text field of a record into its named field, measures shown in the units
// in force (the stored text kept as their source).
void load_record_text(CalcContext& context, const RecordField& field, const std::string& stored);

// Fields first to last of a cable-sag record into their named fields of the
// context's form, measures shown in the units in force.
void load_cable_sag_texts(CalcContext& context, const std::string& record, int first, int last);

// The strict integer of a record field, or nullopt.
std::optional<int> record_integer(const std::string& record, int n);
// The number a record field stores ("." as decimal point), or nullopt when empty or no number.
std::optional<double> record_number(const std::string& record, int n);

}  // namespace vortan
