#include "checkrecord/check_record_text.h"

#include "report/report_text.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace vortan {

namespace {

using Lines = std::vector<std::string>;

constexpr const char* Column_Gap = "  ";
constexpr const char* Nothing_Stored = "No cable sag is stored in this project.";
const std::string Blank_To_Sign(28, '_');
// The longest detail label ("Transmission Line") and signer ("Checked by").
constexpr std::size_t Label_Width = 17, Signer_Width = 10;

std::string padded(const std::string& text, std::size_t width, bool on_the_right) {
    const std::size_t length = text_length(text);
    const std::string blanks(width > length ? width - length : 0, ' ');
    return on_the_right ? blanks + text : text + blanks;
}

std::string without_trailing_blanks(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

class SheetLayout {
public:
    explicit SheetLayout(const CheckRecord& record) : record_(record) {
        for (int c = 0; c < Check_Column_Count; ++c) {
            headings_[c] = check_column_heading(static_cast<CheckColumn>(c), record.heading.imperial);
            heading_height_ = std::max(heading_height_, headings_[c].size());
            for (const std::string& word : headings_[c]) widths_[c] = std::max(widths_[c], text_length(word));
            for (const CheckRecordRow& row : record.rows) widths_[c] = std::max(widths_[c], text_length(row.cells[c]));
        }
    }

    Lines head() const {
        Lines lines = {Check_Record_Title, ""};
        for (const auto& [label, text] : check_record_details(record_))
            lines.push_back(without_trailing_blanks(" " + padded(label, Label_Width, false) + " : " + text));
        lines.push_back("");
        // Headings stand on their last line, where the units are.
        for (std::size_t line = 0; line < heading_height_; ++line) {
            std::array<std::string, Check_Column_Count> words;
            for (int c = 0; c < Check_Column_Count; ++c) {
                const std::size_t missing = heading_height_ - headings_[c].size();
                if (line >= missing) words[c] = headings_[c][line - missing];
            }
            lines.push_back(table_line(words));
        }
        lines.push_back(rule());
        return lines;
    }

    Lines rows() const {
        Lines lines;
        for (const CheckRecordRow& row : record_.rows) lines.push_back(table_line(row.cells));
        if (lines.empty()) lines.push_back(std::string(" ") + Nothing_Stored);
        return lines;
    }

    // The count of verdicts, then a line for each signer, with room to sign.
    Lines signatures() const {
        Lines lines = {"", " " + verdict_count()};
        for (const char* signer : Check_Record_Signers) lines.insert(lines.end(), {"", "", signature_line(signer)});
        return lines;
    }

    Lines foot(std::size_t sheet, std::size_t sheets) const {
        const std::string number = "Sheet " + std::to_string(sheet) + " of " + std::to_string(sheets);
        return {rule(), "", padded(number, width(), true)};
    }

    std::size_t width() const { return std::max(text_length(rule()), text_length(signature_line(""))); }

private:
    static std::string signature_line(const char* signer) {
        return " " + padded(signer, Signer_Width, false) + " : " + Blank_To_Sign + "   Signature : " + Blank_To_Sign +
               "   Date : " + std::string(14, '_');
    }

    std::string table_line(const std::array<std::string, Check_Column_Count>& cells) const {
        std::string line = " ";
        for (int c = 0; c < Check_Column_Count; ++c)
            line += (c ? Column_Gap : "") + padded(cells[c], widths_[c], is_number_column(static_cast<CheckColumn>(c)));
        return without_trailing_blanks(line);
    }

    std::string rule() const {
        std::array<std::string, Check_Column_Count> dashes;
        for (int c = 0; c < Check_Column_Count; ++c) dashes[c] = std::string(widths_[c], '-');
        return table_line(dashes);
    }

    std::string verdict_count() const {
        std::map<std::string, int> count;
        for (const CheckRecordRow& row : record_.rows) ++count[row.cell(CheckColumn::Verdict)];
        std::string text = "Cable sags : " + std::to_string(record_.rows.size());
        for (const char* verdict : {"PASS", "FAIL", "INCONCLUSIVE"})
            text += "     " + std::string(verdict) + " : " + std::to_string(count[verdict]);
        return text;
    }

    const CheckRecord& record_;
    std::array<Lines, Check_Column_Count> headings_;
    std::array<std::size_t, Check_Column_Count> widths_{};
    std::size_t heading_height_ = 0;
};

// How many rows each sheet takes: as many as fit, the last sheet keeping room
// for the signatures and at least one row.
std::vector<std::size_t> rows_per_sheet(std::size_t rows, std::size_t room, std::size_t room_on_last) {
    if (rows <= room_on_last) return {rows};
    const std::size_t before_last = (rows - room_on_last + room - 1) / room;
    std::vector<std::size_t> counts;
    std::size_t left = rows - 1;  // the last sheet's one row is never given away
    for (std::size_t sheet = 0; sheet < before_last; ++sheet) {
        counts.push_back(std::min(room, left));
        left -= counts.back();
    }
    counts.push_back(left + 1);
    return counts;
}

}  // namespace

std::vector<Lines> check_record_sheets(const CheckRecord& record, int lines_per_sheet) {
    const SheetLayout layout(record);
    const Lines head = layout.head(), rows = layout.rows(), signatures = layout.signatures();
    const std::size_t frame = head.size() + layout.foot(1, 1).size();
    const std::size_t sheet_size = std::max<std::size_t>(static_cast<std::size_t>(std::max(lines_per_sheet, 0)),
                                                         frame + signatures.size() + 1);
    const std::vector<std::size_t> counts = rows_per_sheet(rows.size(), sheet_size - frame,
                                                           sheet_size - frame - signatures.size());
    std::vector<Lines> sheets;
    auto next = rows.begin();
    for (std::size_t n = 0; n < counts.size(); ++n) {
        Lines sheet = head;
        sheet.insert(sheet.end(), next, next + static_cast<std::ptrdiff_t>(counts[n]));
        next += static_cast<std::ptrdiff_t>(counts[n]);
        Lines foot = layout.foot(n + 1, counts.size());
        sheet.push_back(foot.front());
        if (n + 1 == counts.size()) sheet.insert(sheet.end(), signatures.begin(), signatures.end());
        sheet.insert(sheet.end(), foot.begin() + 1, foot.end());
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

std::vector<std::string> check_record_text(const CheckRecord& record) {
    Lines text;
    for (Lines& sheet : check_record_sheets(record)) {
        text.insert(text.end(), std::make_move_iterator(sheet.begin()), std::make_move_iterator(sheet.end()));
        text.push_back(Report_Form_Feed);
    }
    return text;
}

}  // namespace vortan
