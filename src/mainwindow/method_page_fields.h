// The fields of the survey method pages that do not time the cable: their
// inputs, their results and the clinometer cover panels; also the hidden
// one-span offset group that records still carry.
#pragma once

#include "form/form.h"
#include "form/form_builder.h"

#include <string>
#include <vector>

namespace vortan {

// Declares the fields of every non-timing method page; the pages and their
// structure and span copies must exist already.
void add_method_page_fields(FormBuilder& b, Form& form);

// The band of a page's actual sag, "± 0.05 m": on a row of its own under it, or beside it.
void add_actual_sag_band(FormBuilder& b, const std::string& page, const std::string& actual, bool beside = false);

// The one-span offset fields: never on screen, but loaded, stored and reset.
void add_one_span_offset_group(FormBuilder& b);

// The method-page fields that a user types into and a cable-sag record keeps,
// in record order.
const std::vector<std::string>& method_input_fields();

}  // namespace vortan
