#include "project/side_file.h"

#include "project/crc32.h"
#include "project/line_splitter.h"
#include "project/text_codec.h"


namespace vortan {

namespace {

bool beyond_ascii(const char* data, size_t size) {
    unsigned char any = 0;  // OR-ed without an early exit, so the loop vectorises
    for (size_t i = 0; i < size; ++i) any |= static_cast<unsigned char>(data[i]);
    return any >= 0x80;
}

// A file is UTF-8 or Windows-1252 as a whole. Line ends are ASCII and cannot
// sit inside a UTF-8 sequence, so the file is valid UTF-8 exactly when every
// line is, and 1252 converts byte by byte: deciding and converting line by
// line reads the same as for the whole text.
void decode_lines(std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (!is_valid_utf8(line)) {
            for (std::string& each : lines) each = windows_1252_to_utf8(each);
            return;
        }
}

// 2000000 as "2,000,000", for messages.
std::string grouped(std::uintmax_t number) {
    std::string digits = std::to_string(number);
    for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

}  // namespace

std::vector<std::string> split_lines(const std::string& text) {
    LineSplitter splitter;
    splitter.feed(text.data(), text.size());
    return splitter.finish();
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

SideFileContents read_side_file(const std::filesystem::path& file, const FileProgress& progress,
                                const SideFileLimits& limits) {
    SideFileContents contents;
    std::error_code error;
    if (const std::uintmax_t size = std::filesystem::file_size(file, error); !error && size > limits.most_bytes) {
        contents.refused = "It holds " + grouped(size) + " bytes, more than the " + grouped(limits.most_bytes) +
                           " bytes that the data of any line needs.";
        return contents;
    }
    LineSplitter splitter(limits.most_lines);
    bool non_ascii = false, reserved = false;
    auto take_block = [&](const char* data, size_t size, std::uintmax_t file_size) {
        non_ascii = non_ascii || beyond_ascii(data, size);
        splitter.feed(data, size);
        // Judged once, from the first block's lines.
        if (!reserved) splitter.reserve_for(static_cast<size_t>(file_size));
        reserved = true;
        return !splitter.over_limit();
    };
    contents.crc = read_file_blocks(file, take_block, progress);
    contents.lines = splitter.finish();
    if (contents.lines.size() > limits.most_lines) {
        contents = {};
        contents.refused = "It holds more than " + grouped(limits.most_lines) +
                           " lines, more than the data of any line needs.";
        return contents;
    }
    if (non_ascii) decode_lines(contents.lines);
    return contents;
}

std::string side_file_bytes(const std::vector<std::string>& lines) { return encode_file_text(join_lines(lines)); }

}  // namespace vortan
