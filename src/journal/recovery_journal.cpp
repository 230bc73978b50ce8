#include "journal/recovery_journal.h"

#include "journal/durable_file.h"
#include "project/project_file_set.h"
#include "project/crc32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string_view>

namespace vortan::journal {

namespace fs = std::filesystem;

namespace {

constexpr const char* Unsaved_Prefix = "unsaved-";
constexpr const char* Extension = ".journal";

bool all_of(std::string_view text, std::string_view allowed) {
    return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
}

// "unsaved-<run>.journal"; earlier versions named the run by its process.
bool is_unsaved_journal(const fs::path& file) {
    const std::string name = file.filename().string();
    const std::string prefix = Unsaved_Prefix;
    if (name.rfind(prefix, 0) != 0 || file.extension() != Extension) return false;
    return all_of(file.stem().string().substr(prefix.size()), "0123456789abcdef");
}

// "<master>.journal" or, of earlier versions, "<master>.<process>.journal".
bool is_journal_of(const fs::path& file, const fs::path& master) {
    const std::string name = file.filename().string(), base = master.filename().string();
    if (name.size() <= base.size() || name.compare(0, base.size(), base) != 0 || file.extension() != Extension)
        return false;
    const std::string middle = name.substr(base.size(), name.size() - base.size() - std::string(Extension).size());
    return middle.empty() || (middle[0] == '.' && all_of(std::string_view(middle).substr(1), "0123456789"));
}

// Damaged first (each is told about), then the newest by sequence; of one
// sequence (journals of earlier versions) the one that holds the most.
void order(std::vector<FoundJournal>& found) {
    std::sort(found.begin(), found.end(), [](const FoundJournal& a, const FoundJournal& b) {
        if (!a.contents || !b.contents) return !a.contents && b.contents;
        const auto& x = *a.contents;
        const auto& y = *b.contents;
        if (x.header.sequence != y.header.sequence) return x.header.sequence > y.header.sequence;
        if (x.entries.size() != y.entries.size()) return x.entries.size() > y.entries.size();
        return a.file < b.file;
    });
}

template <typename Wanted>
std::vector<FoundJournal> journals_in(const fs::path& folder, Wanted wanted) {
    std::vector<FoundJournal> found;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        if (!item.is_regular_file(error) || !wanted(item.path())) continue;
        found.push_back({item.path(), read_journal(item.path())});
    }
    order(found);
    return found;
}

// Only the header is read: the journals of a folder may be many and large.
template <typename Wanted>
long highest_sequence(const fs::path& folder, Wanted wanted) {
    long highest = 0;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        if (!item.is_regular_file(error) || !wanted(item.path())) continue;
        std::ifstream in(item.path(), std::ios::binary);
        std::string head(4096, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<size_t>(in.gcount()));
        if (auto contents = read_journal_text(head)) highest = std::max(highest, contents->header.sequence);
    }
    return highest;
}

}  // namespace

fs::path journal_of(const fs::path& master) {
    fs::path file = master;
    file += Extension;
    return file;
}

std::vector<FoundJournal> journals_of(const fs::path& master) {
    return journals_in(folder_of(master), [&](const fs::path& file) { return is_journal_of(file, master); });
}

fs::path unsaved_journal(const fs::path& folder, const std::string& run) {
    return folder / (Unsaved_Prefix + run + Extension);
}

std::vector<FoundJournal> orphaned_unsaved_journals(const fs::path& folder) {
    return journals_in(folder, [](const fs::path& file) {
        return is_unsaved_journal(file) && !storage::lock_held_elsewhere(storage::lock_file_of(file));
    });
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

std::string new_run_name() {
    // The clock and the process as well: some systems' random devices repeat.
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(),
                       static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()),
                       static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
                       static_cast<unsigned>(this_process_id())};
    std::mt19937_64 random(seed);
    char name[40];
    std::snprintf(name, sizeof name, "%016llx%016llx", static_cast<unsigned long long>(random()),
                  static_cast<unsigned long long>(random()));
    return name;
}

RecoveryJournal::RecoveryJournal() : run_(new_run_name()) {}

void RecoveryJournal::keep(fs::path unsaved_folder) {
    kept_ = true;
    unsaved_folder_ = std::move(unsaved_folder);
}

void RecoveryJournal::start(const fs::path& master, const std::string& base, ProjectState state, bool written) {
    remove();
    header_ = {master.string(), master.empty() ? No_Base : base, 0};
    last_ = std::move(state);
    file_.clear();
    if (!kept_ || !written) return;
    if (!master.empty()) file_ = journal_of(master);
    else if (!unsaved_folder_.empty()) file_ = unsaved_journal(unsaved_folder_, run_);
}

std::string RecoveryJournal::record(const ProjectView& changed, int span) {
    if (file_.empty()) return "";
    Entry entry = changes_between(last_, changed);
    if (entry.empty()) return "";
    entry.span = span;
    const bool fresh = entries_ == 0;
    const std::string failure = write_entry(entry_text(entries_ + 1, entry), fresh);
    // Torn, the file stays as it is: a later write goes over the torn bytes,
    // and until one succeeds they tell a recovery that changes are missing.
    if (!failure.empty()) {
        torn_ = true;
        return failure;
    }
    torn_ = false;
    ++entries_;
    apply(entry, last_);  // moves lines, copies only those the entry carries
    return "";
}

std::string RecoveryJournal::write_entry(const std::string& entry, bool fresh) {
    if (!fresh) {
        const std::string failure = write_durably_at(file_, entry, good_size_);
        if (failure.empty()) good_size_ += entry.size();
        return failure;
    }
    std::error_code error;
    const fs::path folder = folder_of(file_);
    fs::create_directories(folder, error);
    const bool unsaved = header_.base == No_Base;
    // Its lock before the file: a journal seen without one is a dead run's.
    if (unsaved && !unsaved_lock_.held() &&
        unsaved_lock_.take(storage::lock_file_of(file_), "") == storage::ProjectLock::Outcome::HeldElsewhere)
        return "its lock is held by another run";
    const fs::path master = header_.project;
    header_.sequence = 1 + (unsaved ? highest_sequence(folder, is_unsaved_journal)
                                    : highest_sequence(folder, [&](const fs::path& file) { return is_journal_of(file, master); }));
    const std::string bytes = header_text(header_) + entry;
    // A journal begun afresh replaces one this project may have (recovered,
    // or of an earlier save) only once it is whole.
    const std::string failure = replace_durably(file_, bytes);
    if (failure.empty()) good_size_ = bytes.size();
    return failure;
}

void RecoveryJournal::remove() {
    if (entries_ > 0 || torn_) {
        std::error_code ignored;
        fs::remove(file_, ignored);
    }
    unsaved_lock_.release();
    entries_ = 0;
    torn_ = false;
}

}  // namespace vortan::journal
