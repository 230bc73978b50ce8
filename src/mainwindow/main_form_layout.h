// The main window's controls: names, captions, hints, containers and the
// hidden state controls, in the order a view lays them out.
#pragma once

#include "form/form.h"

#include <string>
#include <vector>

namespace vortan {

void build_main_form(Form& form);

// The captions of the method pages, in page-index order.
const std::vector<std::string>& method_page_captions();

// The hidden check boxes through which the operations talk to each other.
const std::vector<std::string>& main_window_flags();

}  // namespace vortan
