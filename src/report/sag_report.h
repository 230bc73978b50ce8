// The sag report of a project, from the main window's record lists and the
// setup editor's lists and options.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"

#include <string>
#include <vector>

namespace vortan {

struct SagReport {
    std::vector<std::string> data_lines;  // in the order they are printed
    std::vector<std::string> text;        // every line of the report window
    std::string csv;                      // the data lines as a spreadsheet
};

SagReport build_sag_report(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                           const std::string& time_stamp);

}  // namespace vortan
