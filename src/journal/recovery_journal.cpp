#include "journal/recovery_journal.h"

#include "journal/durable_file.h"
#include "project/crc32.h"

#include <algorithm>
#include <fstream>
#include <iterator>

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

}  // namespace

fs::path journal_of(const fs::path& master) {
    fs::path file = master;
    file += Extension;
    return file;
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
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
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
    if (!master.empty()) file_ = journal_of(master);
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
