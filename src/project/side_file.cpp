#include "project/side_file.h"

#include "project/text_codec.h"

#include <fstream>
#include <iterator>

namespace vortan {

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.emplace_back(text, start);  // a last line without its line end
            break;
        }
        lines.emplace_back(text, start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> read_side_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) return {};
    // In one read of the file's size: a character at a time is several times
    // slower on large projects.
    std::string bytes;
    const std::streamoff size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
    }
    return split_lines(decode_file_text(std::move(bytes)));
}

std::string side_file_bytes(const std::vector<std::string>& lines) { return encode_file_text(join_lines(lines)); }

}  // namespace vortan
