#include "project/master_file.h"

#include "project/crc32.h"
#include "project/text_codec.h"
#include "project/text_compare.h"

#include <fstream>
#include <optional>
#include <string_view>

namespace vortan {

namespace {

constexpr std::string_view Byte_Order_Mark = "\xEF\xBB\xBF";

// The value of a "key=value" line when its key is `key` (letter case and
// blanks around the key ignored, as the profile reader does).
std::optional<std::string_view> value_of_line(std::string_view line, std::string_view key) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string_view name = line.substr(0, equals);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    if (!same_ignoring_case(std::string(name), std::string(key))) return std::nullopt;
    std::string_view value = line.substr(equals + 1);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    return value;
}

struct CheckLines {
    std::optional<std::string> first, last;  // the values of the two keys
    std::string rest;                        // every other line, CR LF after each
};

// Splits off the check keys' lines. The other lines are kept with CR LF after
// each, whatever ends them in the file, so that a copy that changed the line
// ends (or dropped the last one) still matches its check.
CheckLines split_check_lines(std::string_view bytes) {
    CheckLines split;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find_first_of("\r\n", at);
        end = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(at, end - at);
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (auto value = value_of_line(line, Master_Check_Key); value && !split.first) split.first = std::string(*value);
        else if (auto end_value = value_of_line(line, Master_Check_End_Key); end_value && !split.last)
            split.last = std::string(*end_value);
        else split.rest.append(line).append("\r\n");
    }
    return split;
}

MasterFile damaged(std::string why) { return {MasterState::Damaged, std::move(why), {}}; }

}  // namespace

std::string master_file_bytes(const ProfileFile& profile) {
    // Check keys the profile may carry from a file it was read from are replaced.
    const std::string body = split_check_lines(encode_file_text(profile.to_text())).rest;
    const std::string crc = crc_text(crc32(body.data(), body.size()));
    // After the section line, so that the first key is the check.
    const size_t first_line_end = body.find("\r\n");
    const size_t split = first_line_end == std::string::npos ? 0 : first_line_end + 2;
    return body.substr(0, split) + Master_Check_Key + "=" + crc + "\r\n" + body.substr(split) +
           Master_Check_End_Key + "=" + crc + "\r\n";
}

MasterFile parse_master_bytes(std::string bytes) {
    if (bytes.compare(0, Byte_Order_Mark.size(), Byte_Order_Mark) == 0) bytes.erase(0, Byte_Order_Mark.size());
    if (bytes.empty()) return damaged("it is empty");
    if (bytes.find('\0') != std::string::npos) return damaged("it holds NUL bytes, which no master file has");
    CheckLines split = split_check_lines(bytes);
    if (split.first || split.last) {
        if (!split.first || !split.last) return damaged("it is cut short or changed: one of its two checks is missing");
        if (*split.first != *split.last) return damaged("its two checks differ");
        if (crc_text(crc32(split.rest.data(), split.rest.size())) != *split.first)
            return damaged("its contents do not match its check");
    }
    MasterFile master{split.first ? MasterState::Whole : MasterState::Unchecked, "", {}};
    master.profile = ProfileFile::parse(decode_file_text(std::move(split.rest)));
    return master;
}

MasterFile read_master_file(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {};
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return damaged("its size cannot be read (" + error.message() + ")");
    if (size > Master_File_Limit) return damaged("it is far larger than any master file");
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) return damaged("it cannot be read");
    bytes.resize(static_cast<size_t>(in.gcount()));
    return parse_master_bytes(std::move(bytes));
}

}  // namespace vortan
