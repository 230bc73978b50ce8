#include "report/print_sheets.h"

#include "report/report_text.h"

#include <algorithm>

namespace vortan {

std::vector<std::vector<std::string>> print_sheets(const std::vector<std::string>& lines, int lines_per_sheet) {
    const auto sheet_size = static_cast<std::size_t>(std::max(1, lines_per_sheet));
    std::vector<std::vector<std::string>> sheets;
    std::vector<std::string> sheet;
    auto finish_sheet = [&] {
        if (!sheet.empty()) sheets.push_back(std::move(sheet));
        sheet.clear();
    };
    for (const std::string& line : lines) {
        if (line == Report_Form_Feed) {
            finish_sheet();
            continue;
        }
        if (sheet.size() == sheet_size) finish_sheet();
        sheet.push_back(line);
    }
    finish_sheet();
    return sheets;
}

}  // namespace vortan
