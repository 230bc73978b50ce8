// The profile (INI) reader and writer on arbitrary file bytes.
//
// The bytes are read as a master file is (text codec, then the profile), every
// section and key the text names is queried, a key is set, and the profile is
// written and read again: every value must come back as written (TAB, CR and
// LF become blanks in a written value; nothing else may change).
#include "project/master_file.h"
#include "project/profile_file.h"
#include "project/side_file.h"
#include "project/text_codec.h"
#include "project/text_compare.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using namespace vortan;

namespace {

[[noreturn]] void fail(const char* what, const std::string& section, const std::string& key, const std::string& a,
                       const std::string& b) {
    std::fprintf(stderr, "%s: [%s] %s: \"%s\" vs \"%s\"\n", what, section.c_str(), key.c_str(), a.c_str(), b.c_str());
    std::abort();
}

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The (section, key) names the text holds, as a reader would see them.
std::vector<std::pair<std::string, std::string>> names_in(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    bool in_section = false;
    for (const std::string& raw : split_lines(text)) {
        std::string line = trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            section = trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            in_section = true;
            continue;
        }
        size_t equals = line.find('=');
        if (in_section && equals != std::string::npos) names.emplace_back(section, trimmed(line.substr(0, equals)));
        if (names.size() >= 256) break;
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16384) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = decode_file_text(bytes);
    if (!is_valid_utf8(text)) fail("decoded text is not UTF-8", "", "", bytes, text);
    // What is written must read back as the same text.
    if (decode_file_text(encode_file_text(text)) != text) fail("text codec round trip", "", "", text, encode_file_text(text));

    ProfileFile profile = ProfileFile::parse(text);
    const auto names = names_in(text);
    for (const auto& [section, key] : names) {
        if (!profile.has_section(section)) fail("named section missing", section, key, "", "");
        if (!profile.value(section, key)) fail("named key missing", section, key, "", "");
        profile.integer(section, key, -7);
        profile.boolean(section, key, true);
    }
    profile.text("vortan", "Settings_Data_Format_Version", "none");
    profile.integer("vortan", "Span_Cable_Data_Format_Version", 0);

    // A value taken from the input (its first line), set into a section of its own
    // and into the first section named.
    std::string value = text.substr(0, std::min<size_t>(text.size(), 200));
    while (!is_valid_utf8(value)) value.pop_back();  // not in the middle of a character
    profile.set("Fuzz Section", "Fuzz_Key", value);
    if (profile.text("Fuzz Section", "Fuzz_Key") != value) fail("set value not kept", "Fuzz Section", "Fuzz_Key", value, "");
    if (!names.empty()) profile.set(names.front().first, "Fuzz_Key", value);

    const std::string written = encode_file_text(profile.to_text());
    const ProfileFile again = ProfileFile::parse(decode_file_text(written));
    auto expect_same = [&](const std::string& section, const std::string& key) {
        std::string before = record_safe(profile.text(section, key));
        std::string after = again.text(section, key, "<missing>");
        if (before != after) fail("value changed by writing", section, key, before, after);
    };
    for (const auto& [section, key] : names) expect_same(section, key);
    expect_same("Fuzz Section", "Fuzz_Key");
    if (!names.empty()) expect_same(names.front().first, "Fuzz_Key");
    // Written once more, the text is the same.
    if (encode_file_text(again.to_text()) != written) fail("second write differs", "", "", written, "");

    // As a master file: whatever the bytes, the profile it is written with
    // reads back whole, and a whole file written again is the same bytes.
    const MasterFile master = parse_master_bytes(bytes);
    const std::string checked = master_file_bytes(profile);
    if (parse_master_bytes(checked).state != MasterState::Whole) fail("written master is not whole", "", "", checked, "");
    if (master.state == MasterState::Whole && parse_master_bytes(master_file_bytes(master.profile)).state != MasterState::Whole)
        fail("whole master written again is not whole", "", "", bytes, "");
    return 0;
}
