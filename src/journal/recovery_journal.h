// The journal of the project on screen: every completed change since its
// last save, appended and on the disk before the window shows it as done,
// so that a run that dies loses nothing it showed.
#pragma once

#include "journal/journal_text.h"
#include "journal/project_state.h"

#include <filesystem>
#include <cstdint>
#include <optional>
#include <string>

namespace vortan::journal {

// The journal beside a project's master file.
std::filesystem::path journal_of(const std::filesystem::path& master);
// The journal this run writes for a project: the one beside it, unless a run
// still going writes that; then "<master>.<process>.journal", its own.
std::filesystem::path journal_to_write(const std::filesystem::path& master);
// A project's journals that no run still going writes, newest first.
std::vector<std::filesystem::path> orphaned_journals_of(const std::filesystem::path& master);
// The journal of an unsaved project of this process, in `folder`.
std::filesystem::path unsaved_journal(const std::filesystem::path& folder, long process);
// Journals of unsaved projects in `folder` whose process no longer runs,
// newest first.
std::vector<std::filesystem::path> orphaned_unsaved_journals(const std::filesystem::path& folder);
std::optional<JournalContents> read_journal(const std::filesystem::path& file);
// The CRC text of a file's bytes, which a journal names as its base.
std::string base_of(const std::filesystem::path& master);

class RecoveryJournal {
public:
    // Journals are kept only once a folder for unsaved projects is given
    // (it may be empty: then only saved projects have journals).
    void keep(std::filesystem::path unsaved_folder);
    bool kept() const { return kept_; }
    const std::filesystem::path& unsaved_folder() const { return unsaved_folder_; }

    // The project on screen is now `master` (empty: an unsaved one) as saved
    // with `base`, in `state`. The journal this run wrote for the project
    // before is removed: its changes were saved or given up.
    void start(const std::filesystem::path& master, const std::string& base, ProjectState state);
    // Appends what `changed` holds that differs from the state last recorded;
    // empty on success, otherwise why the journal could not be written.
    std::string record(const ProjectView& changed, int span);
    // The changes are saved or given up: the journal goes.
    void remove();
    const std::filesystem::path& file() const { return file_; }
    // The CRC of the master file the journal starts from.
    const std::string& base() const { return header_.base; }

private:
    bool kept_ = false;
    std::filesystem::path unsaved_folder_;
    JournalHeader header_;
    ProjectState last_;  // as last recorded
    std::uintmax_t good_size_ = 0;  // of file_, up to its last whole entry
    bool torn_ = false;              // a failed write may have left more
    std::filesystem::path file_;
    int entries_ = 0;  // written to file_ by this run
};

}  // namespace vortan::journal
