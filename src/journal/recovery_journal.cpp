#include "journal/recovery_journal.h"

#include "journal/durable_file.h"
#include "project/crc32.h"

#include <algorithm>
#include <fstream>

namespace vortan::journal {

namespace fs = std::filesystem;

namespace {

constexpr const char* Unsaved_Prefix = "unsaved-";
constexpr const char* Extension = ".journal";

std::optional<long> unsaved_process(const fs::path& file) {
    const std::string name = file.filename().string();
    const std::string prefix = Unsaved_Prefix;
    if (name.rfind(prefix, 0) != 0 || file.extension() != Extension) return std::nullopt;
    const std::string digits = file.stem().string().substr(prefix.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9)
        return std::nullopt;
    return std::stol(digits);
}

// "<master>.journal" or "<master>.<process>.journal".
bool is_journal_of(const fs::path& file, const fs::path& master) {
    const std::string name = file.filename().string(), base = master.filename().string();
    if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0 || file.extension() != Extension)
        return false;
    const std::string middle = name.substr(base.size(), name.size() - base.size() - std::string(Extension).size());
    return middle.empty() || (middle.size() > 1 && middle[0] == '.' &&
                              middle.find_first_not_of("0123456789", 1) == std::string::npos);
}

std::optional<JournalHeader> header_of(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;  // a folder's bytes cannot be read
    std::ifstream in(file, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    auto contents = read_journal_text(head);
    if (!contents) return std::nullopt;
    return contents->header;
}

// Written by another run that is still going (or one that cannot be told
// apart from it): not this run's to replace, recover or remove.
bool written_by_a_live_run(const fs::path& file) {
    auto header = header_of(file);
    return header && header->process != this_process_id() && process_running(header->process);
}

}  // namespace

fs::path journal_of(const fs::path& master) {
    fs::path file = master;
    file += Extension;
    return file;
}

fs::path journal_to_write(const fs::path& master) {
    const fs::path shared = journal_of(master);
    std::error_code error;
    if (!fs::exists(shared, error) || !written_by_a_live_run(shared)) return shared;
    fs::path own = master;
    own += "." + std::to_string(this_process_id()) + Extension;
    return own;
}

std::vector<fs::path> orphaned_journals_of(const fs::path& master) {
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    std::error_code error;
    const fs::path folder = master.has_parent_path() ? master.parent_path() : fs::path(".");
    for (const auto& item : fs::directory_iterator(folder, error)) {
        if (!is_journal_of(item.path(), master) || written_by_a_live_run(item.path())) continue;
        found.emplace_back(fs::last_write_time(item.path(), error), item.path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<fs::path> files;
    for (auto& [time, path] : found) files.push_back(std::move(path));
    return files;
}

fs::path unsaved_journal(const fs::path& folder, long process) {
    return folder / (Unsaved_Prefix + std::to_string(process) + Extension);
}

std::vector<fs::path> orphaned_unsaved_journals(const fs::path& folder) {
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        auto process = unsaved_process(item.path());
        if (!process || *process == this_process_id() || process_running(*process)) continue;
        found.emplace_back(fs::last_write_time(item.path(), error), item.path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<fs::path> files;
    for (auto& [time, path] : found) files.push_back(std::move(path));
    return files;
}

std::optional<JournalContents> read_journal(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::is_regular_file(file, error) ? fs::file_size(file, error) : 0;
    if (error || size == 0) return std::nullopt;
    // read() turns a failing disk into a short read, where an iterator would throw.
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return read_journal_text(bytes);
}

std::string base_of(const fs::path& master) { return file_crc(master); }

void RecoveryJournal::keep(fs::path unsaved_folder) {
    kept_ = true;
    unsaved_folder_ = std::move(unsaved_folder);
}

void RecoveryJournal::start(const fs::path& master, const std::string& base, ProjectState state) {
    remove();
    header_ = {master.string(), master.empty() ? No_Base : base, this_process_id()};
    last_ = std::move(state);
    file_.clear();
    if (!kept_) return;
    if (!master.empty()) file_ = journal_to_write(master);
    else if (!unsaved_folder_.empty()) file_ = unsaved_journal(unsaved_folder_, header_.process);
}

std::string RecoveryJournal::record(const ProjectView& changed, int span) {
    if (file_.empty()) return "";
    Entry entry = changes_between(last_, changed);
    if (entry.empty()) return "";
    entry.span = span;
    const bool fresh = entries_ == 0;
    std::error_code error;
    // A write that failed may have left a torn entry: it goes before the next.
    if (!fresh && torn_) fs::resize_file(file_, good_size_, error);
    if (error) return error.message();
    torn_ = false;
    const std::string bytes = (fresh ? header_text(header_) : "") + entry_text(entries_ + 1, entry);
    if (fresh && file_.has_parent_path()) fs::create_directories(file_.parent_path(), error);
    // A journal begun afresh replaces one this project may have (recovered,
    // or of an earlier save) only once it is whole.
    const std::string failure = fresh ? replace_durably(file_, bytes) : write_durably(file_, bytes, false);
    if (!failure.empty()) {
        torn_ = !fresh;
        return failure;
    }
    good_size_ = (fresh ? 0 : good_size_) + bytes.size();
    ++entries_;
    apply(entry, last_);  // moves lines, copies only those the entry carries
    return "";
}

void RecoveryJournal::remove() {
    if (entries_ > 0) {
        std::error_code ignored;
        fs::remove(file_, ignored);
    }
    entries_ = 0;
    torn_ = false;
}

}  // namespace vortan::journal
