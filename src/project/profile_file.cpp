#include "project/profile_file.h"

#include "project/side_file.h"
#include "project/text_codec.h"
#include "project/text_compare.h"

#include <charconv>
#include <fstream>

namespace vortan {

namespace {

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string unquoted(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

// A value as written after "=": the reader trims blanks and removes one pair of
// enclosing quotes, so a value that would lose either is written in quotes.
std::string written_value(const std::string& value) {
    std::string safe = record_safe(value);
    if (safe.empty()) return safe;
    bool blank_at_end = safe.front() == ' ' || safe.back() == ' ';
    bool enclosed = safe.size() >= 2 && safe.front() == '"' && safe.back() == '"';
    return blank_at_end || enclosed ? '"' + safe + '"' : safe;
}

}  // namespace

ProfileFile ProfileFile::parse(const std::string& text) {
    ProfileFile profile;
    Section* current = nullptr;
    for (const std::string& raw : split_lines(text)) {
        std::string line = trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            std::string name = trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            current = const_cast<Section*>(profile.find(name));
            if (!current) {
                profile.sections_.push_back({name, {}});
                current = &profile.sections_.back();
            }
            continue;
        }
        size_t equals = line.find('=');
        if (!current || equals == std::string::npos) continue;
        current->keys.emplace_back(trimmed(line.substr(0, equals)), unquoted(trimmed(line.substr(equals + 1))));
    }
    return profile;
}

ProfileFile ProfileFile::read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    // Read through istream::read, which turns a failing read (a folder, a
    // device error) into a stream state rather than an exception.
    std::string bytes;
    char block[16384];
    while (in.read(block, sizeof block) || in.gcount() > 0) bytes.append(block, static_cast<size_t>(in.gcount()));
    return parse(decode_file_text(bytes));
}

const ProfileFile::Section* ProfileFile::find(const std::string& section) const {
    for (const Section& s : sections_)
        if (same_ignoring_case(s.name, section)) return &s;
    return nullptr;
}

bool ProfileFile::has_section(const std::string& section) const { return find(section) != nullptr; }

std::optional<std::string> ProfileFile::value(const std::string& section, const std::string& key) const {
    const Section* s = find(section);
    if (!s) return std::nullopt;
    for (const auto& [name, value] : s->keys)
        if (same_ignoring_case(name, key)) return value;
    return std::nullopt;
}

std::string ProfileFile::text(const std::string& section, const std::string& key, const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int ProfileFile::integer(const std::string& section, const std::string& key, int fallback) const {
    auto v = value(section, key);
    if (!v || v->empty()) return fallback;
    const char* begin = v->data();
    if (*begin == '+') ++begin;
    int result = 0;
    auto [end, error] = std::from_chars(begin, v->data() + v->size(), result);
    if (error != std::errc() || end == begin) return fallback;
    return result;
}

bool ProfileFile::boolean(const std::string& section, const std::string& key, bool fallback) const {
    return integer(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::set(const std::string& section, const std::string& key, const std::string& value) {
    auto* s = const_cast<Section*>(find(section));
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (auto& [name, existing] : s->keys) {
        if (same_ignoring_case(name, key)) {
            existing = value;
            return;
        }
    }
    s->keys.emplace_back(key, value);
}

std::string ProfileFile::to_text() const {
    std::vector<std::string> lines;
    for (const Section& s : sections_) {
        lines.push_back("[" + s.name + "]");
        for (const auto& [name, value] : s.keys) lines.push_back(name + "=" + written_value(value));
    }
    return join_lines(lines);
}

}  // namespace vortan
