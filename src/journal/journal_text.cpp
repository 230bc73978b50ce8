#include "journal/journal_text.h"

#include "project/crc32.h"

#include <charconv>

namespace vortan::journal {

namespace {

constexpr std::string_view Signature = "Vortan Recovery Journal 2";
constexpr std::string_view First_Signature = "Vortan Recovery Journal 1";

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        if (text[i] == '\\') out += '\\';
        else if (text[i] == 'n') out += '\n';
        else if (text[i] == 'r') out += '\r';
        else return std::nullopt;
    }
    return out;
}

template <typename Number>
std::optional<Number> number(std::string_view text, int base = 10) {
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads lines off the front of a text.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}
    std::optional<std::string_view> next() {
        const size_t end = rest_.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return line;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// "word rest": the rest when the line starts with the word and a blank.
std::optional<std::string_view> after_word(std::string_view line, std::string_view word) {
    if (line.size() <= word.size() || line.substr(0, word.size()) != word || line[word.size()] != ' ')
        return std::nullopt;
    return line.substr(word.size() + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

std::optional<Entry> parse_body(std::string_view body) {
    Entry entry;
    Lines lines(body);
    while (auto line = lines.next()) {
        if (auto span = after_word(*line, "span")) {
            auto n = number<int>(*span);
            if (!n) return std::nullopt;
            entry.span = *n;
        } else if (auto value = after_word(*line, "value")) {
            const size_t blank = value->find(' ');
            if (blank == std::string_view::npos) return std::nullopt;
            auto text = unescaped(value->substr(blank + 1));
            if (!text) return std::nullopt;
            entry.values.emplace_back(std::string(value->substr(0, blank)), std::move(*text));
        } else if (auto list = after_word(*line, "list")) {
            auto parts = words(*list);
            if (parts.size() != 4) return std::nullopt;
            auto at = number<size_t>(parts[1]), removed = number<size_t>(parts[2]), count = number<size_t>(parts[3]);
            if (!at || !removed || !count || *count > body.size()) return std::nullopt;
            ListEdit edit{std::string(parts[0]), *at, *removed, {}};
            for (size_t n = 0; n < *count; ++n) {
                auto inserted = lines.next();
                auto text = inserted ? unescaped(*inserted) : std::nullopt;
                if (!text) return std::nullopt;
                edit.inserted.push_back(std::move(*text));
            }
            entry.lists.push_back(std::move(edit));
        } else {
            return std::nullopt;
        }
    }
    if (!lines.rest().empty()) return std::nullopt;
    return entry;
}

// Entries begun in what could not be read: an "entry" line starts each,
// and bytes that start none are one entry torn in its first line.
int entries_begun(std::string_view rest) {
    if (rest.empty()) return 0;
    int count = 0;
    for (size_t at = 0; at < rest.size(); ++at)
        if ((at == 0 || rest[at - 1] == '\n') && rest.substr(at, 6) == "entry ") ++count;
    return count == 0 ? 1 : count;
}

struct ReadHeader {
    JournalHeader fields;
    std::string_view rest;  // the entries
};

// project, base and the third line's number, as both versions write them.
std::optional<JournalHeader> header_fields(Lines& lines, std::string_view number_word) {
    auto project = lines.next();
    auto base = lines.next();
    auto number_line = lines.next();
    if (!number_line) return std::nullopt;
    auto project_text = after_word(*project, "project");
    if (!project_text && *project == "project") project_text = std::string_view();
    auto base_text = after_word(*base, "base");
    auto number_text = after_word(*number_line, number_word);
    auto project_name = project_text ? unescaped(*project_text) : std::nullopt;
    auto base_name = base_text ? unescaped(*base_text) : std::nullopt;
    auto value = number_text ? number<long>(*number_text) : std::nullopt;
    if (!project_name || !base_name || !value) return std::nullopt;
    return JournalHeader{std::move(*project_name), std::move(*base_name), *value};
}

std::optional<ReadHeader> read_header(std::string_view bytes) {
    Lines lines(bytes);
    auto signature = lines.next();
    if (signature && *signature == First_Signature) {
        // Its process number no longer tells anything: the project's lock does.
        auto fields = header_fields(lines, "pid");
        if (!fields) return std::nullopt;
        fields->sequence = 0;
        return ReadHeader{std::move(*fields), lines.rest()};
    }
    if (!signature || *signature != Signature) return std::nullopt;
    auto fields = header_fields(lines, "sequence");
    const size_t checked = bytes.size() - lines.rest().size();
    auto check = lines.next();
    auto check_text = check ? after_word(*check, "check") : std::nullopt;
    auto crc = check_text && check_text->size() <= 8 ? number<std::uint32_t>(*check_text, 16) : std::nullopt;
    if (!fields || !crc || crc_text(*crc) != *check_text || crc32(bytes.data(), checked) != *crc) return std::nullopt;
    return ReadHeader{std::move(*fields), lines.rest()};
}

}  // namespace

std::string header_text(const JournalHeader& header) {
    const std::string fields = std::string(Signature) + "\nproject " + escaped(header.project) + "\nbase " +
                               escaped(header.base) + "\nsequence " + std::to_string(header.sequence) + "\n";
    return fields + "check " + crc_text(crc32(fields.data(), fields.size())) + "\n";
}

std::string entry_text(int sequence, const Entry& entry) {
    std::string body = "span " + std::to_string(entry.span) + "\n";
    for (const auto& [name, value] : entry.values) body += "value " + name + " " + escaped(value) + "\n";
    for (const ListEdit& edit : entry.lists) {
        body += "list " + edit.list + " " + std::to_string(edit.at) + " " + std::to_string(edit.removed) + " " +
                std::to_string(edit.inserted.size()) + "\n";
        for (const std::string& line : edit.inserted) body += escaped(line) + "\n";
    }
    return "entry " + std::to_string(sequence) + " " + std::to_string(body.size()) + " " +
           crc_text(crc32(body.data(), body.size())) + "\n" + body;
}

std::optional<JournalContents> read_journal_text(std::string_view bytes) {
    auto header = read_header(bytes);
    if (!header) return std::nullopt;
    JournalContents contents;
    contents.header = std::move(header->fields);
    std::string_view rest = header->rest;
    for (int sequence = 1;; ++sequence) {
        Lines entry_lines(rest);
        auto line = entry_lines.next();
        auto frame = line ? after_word(*line, "entry") : std::nullopt;
        auto parts = frame ? words(*frame) : std::vector<std::string_view>();
        if (parts.size() != 3 || number<int>(parts[0]) != sequence) break;
        auto size = number<size_t>(parts[1]);
        auto crc = number<std::uint32_t>(parts[2], 16);
        std::string_view after = entry_lines.rest();
        if (!size || !crc || *size > after.size()) break;
        std::string_view body = after.substr(0, *size);
        if (crc32(body.data(), body.size()) != *crc) break;
        auto entry = parse_body(body);
        if (!entry) break;
        contents.entries.push_back(std::move(*entry));
        rest = after.substr(*size);
    }
    contents.lost = entries_begun(rest);
    return contents;
}

}  // namespace vortan::journal
