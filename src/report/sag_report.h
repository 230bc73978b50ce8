// The sag report of a project, from the main window's record lists and the
// setup editor's lists and options.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "report/report_data.h"
#include "report/report_pages.h"

#include <string>
#include <vector>

namespace vortan {

struct SagReport {
    std::vector<std::string> data_lines;  // in the order they are printed
    std::vector<std::string> text;        // every line of the report window
    std::string csv;                      // the data lines as a spreadsheet
};

// The record lists and setup lists the report reads, kept by reference, in
// the units the setup editor has in force.
ReportSource report_source_of(const Form& main_window, const Form& setup, const NumberFormat& numbers);
// The project details of the title block, with the units in force.
ReportHeading report_heading_of(const Form& setup, const std::string& time_stamp);

SagReport build_sag_report(const Form& main_window, const Form& setup, const NumberFormat& numbers,
                           const std::string& time_stamp);

}  // namespace vortan
