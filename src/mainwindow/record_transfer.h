// Moving a sag-span or cable sag between the main window's named fields and
// its record string in Pole_Data_Listbox or Cable_Bundle_Record_Listbox.
#pragma once

#include "calc/calc_context.h"

#include <string>

namespace vortan {

std::string build_sag_span_record(const CalcContext& context);
// Replaces record n (1-based) when it exists, appends otherwise.
void store_sag_span_record(Form& form, int n, const std::string& record);
void load_sag_span_record(CalcContext& context, const std::string& record);

std::string build_cable_sag_record(const CalcContext& context);
// Replaces the last record with the same key (fields 1 to 4), appends otherwise.
void store_cable_sag_record(Form& form, const std::string& record);
// The position of the last record of the current span and cable selection, or -1.
int find_cable_sag_record(const Form& form);
void load_cable_sag_record(CalcContext& context, const std::string& record);

}  // namespace vortan
