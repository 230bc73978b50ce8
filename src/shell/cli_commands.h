// vortan-cli's commands on a project file: check its CRCs, recalculate it,
// print its sag report, its check record or its stringing charts.
#pragma once

#include "ui/userport.h"

#include <functional>
#include <string>

namespace vortan {

// Exit status 0 when every side file matches the CRC the master file keeps.
int check_project(const std::string& master, const std::function<void(const std::string&)>& out);

// Shows every stored cable sag in turn, as the display does, in metric or
// imperial units, and writes one line of results for each, the tolerance
// verdict and band of a checked sag with them; exit status 0 when
// the project could be read.
int recalc_project(const std::string& master, const std::function<void(const std::string&)>& out,
                   bool imperial = false);

// Opens the project and runs the Report command at the time given: each line
// of the report window goes to out (with `csv`, each row of its spreadsheet
// instead), each message shown on the way to messages. Exit status 0 when a
// report was shown.
int report_project(const std::string& master, const DateTime& now, const std::function<void(const std::string&)>& out,
                   const std::function<void(const std::string&)>& messages, bool csv = false);

// The same for the Check Record command: the record's sheets, or with `csv`
// its rows of comma-separated values.
int check_record_project(const std::string& master, const DateTime& now,
                         const std::function<void(const std::string&)>& out,
                         const std::function<void(const std::string&)>& messages, bool csv = false);

// Opens the project and writes its line overview as CSV rows, the verdict
// and band of every checked cable sag with them. Exit status 0 when the
// project could be read.
int overview_project(const std::string& master, const std::function<void(const std::string&)>& out,
                     const std::function<void(const std::string&)>& messages);

struct ScheduleRequest {
    int section = 0;  // 1-based; 0 for every section
    bool csv = false;
};

// Opens the project and writes its stringing charts: text in the project's
// units, or CSV in SI units. Exit status 0 when they could be worked out.
int schedule_project(const std::string& master, const ScheduleRequest& request,
                     const std::function<void(const std::string&)>& out,
                     const std::function<void(const std::string&)>& messages);

}  // namespace vortan
