// vortan-cli schedule: a project's stringing charts as text or CSV.
#include "shell/cli_commands.h"

#include "shell/headless_window.h"
#include "stringing/schedule_text.h"

namespace vortan {

int schedule_project(const std::string& master, const ScheduleRequest& request,
                     const std::function<void(const std::string&)>& out,
                     const std::function<void(const std::string&)>& messages) {
    HeadlessWindow headless(messages);
    MainWindow& window = headless.window;
    if (!headless.open_read_only(master)) return 2;
    const stringing::LineSchedule schedule = window.line_schedule();
    if (request.section < 0 || request.section > static_cast<int>(schedule.sections.size())) {
        messages("vortan-cli: the project has " + std::to_string(schedule.sections.size()) + " tension section(s)");
        return 2;
    }
    const std::vector<std::string> lines = request.csv ? stringing::schedule_csv(schedule, request.section)
                                                       : stringing::schedule_text(schedule, request.section,
                                                                                  window.imperial());
    if (!request.csv && lines.empty()) messages("vortan-cli: no design condition is set for a tension section");
    for (const std::string& line : lines) out(line);
    return 0;
}

}  // namespace vortan
