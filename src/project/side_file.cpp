#include "project/side_file.h"

#include "project/crc32.h"
#include "project/line_splitter.h"
#include "project/text_codec.h"

#include <fstream>

namespace vortan {

namespace {

constexpr size_t Block_Size = 256 * 1024;

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

// The bytes go through one small block that is used again and again: a
// buffer the size of a large file costs more in fresh memory than the read.
SideFileContents read_side_file(const std::filesystem::path& file,
                                const std::function<void(std::uintmax_t, std::uintmax_t)>& progress) {
    SideFileContents contents{{}, "0"};
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return contents;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size == 0) return contents;
    // A lock held elsewhere is reported in place of the CRC; on Windows it
    // also keeps the bytes from being read at all.
    const bool in_use = file_in_use(file);
    if (in_use) contents.crc = File_In_Use;
    std::ifstream in(file, std::ios::binary);
    if (!in) return contents;
    std::vector<char> block(Block_Size);
    LineSplitter splitter;
    std::uint32_t crc = 0;
    std::uintmax_t read = 0;
    bool non_ascii = false;
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        crc = crc32(block.data(), got, crc);
        non_ascii = non_ascii || beyond_ascii(block.data(), got);
        splitter.feed(block.data(), got);
        if (read == 0) splitter.reserve_for(static_cast<size_t>(size));
        read += got;
        if (progress) progress(read, size);
    }
    contents.lines = splitter.finish();
    if (non_ascii) decode_lines(contents.lines);
    if (!in_use && read > 0) contents.crc = crc_text(crc);
    return contents;
}

std::string side_file_bytes(const std::vector<std::string>& lines) { return encode_file_text(join_lines(lines)); }

}  // namespace vortan
