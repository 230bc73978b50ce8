// Windows profile (INI) files: sections and keys compared without case, the
// value after the first "=", blanks around it trimmed, one pair of enclosing
// double quotes removed, no escapes; the first of duplicate keys counts.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vortan {

class ProfileFile {
public:
    static ProfileFile parse(const std::string& text);
    // A missing or unreadable file reads as an empty profile; nothing is thrown.
    static ProfileFile read(const std::filesystem::path& file);

    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::string text(const std::string& section, const std::string& key, const std::string& fallback = "") const;
    // Leading digits (with a sign) of the value; the fallback when there are none.
    int integer(const std::string& section, const std::string& key, int fallback) const;
    bool boolean(const std::string& section, const std::string& key, bool fallback) const;
    bool has_section(const std::string& section) const;

    // Sets a key, adding the section or key at the end when new.
    void set(const std::string& section, const std::string& key, const std::string& value);
    // The file's text, CR LF after every line; a value the reader would trim
    // or unquote is written in double quotes, so it reads back as it was set.
    std::string to_text() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    const Section* find(const std::string& section) const;

    std::vector<Section> sections_;
};

}  // namespace vortan
