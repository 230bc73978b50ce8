// The journal of the project on screen: every completed change since its
// last save, appended and on the disk before the window shows it as done,
// so that a run that dies loses nothing it showed.
//
// Only the run holding a project's lock writes its journal, so a journal of
// a project whose lock no other run holds is a dead run's. A journal of an
// unsaved project has a name no other run has and a lock of its own.
#pragma once

#include "journal/journal_text.h"
#include "journal/project_state.h"
#include "storage/project_lock.h"

#include <filesystem>
#include <cstdint>
#include <optional>
#include <string>

namespace vortan::journal {

// A journal file found, with what it holds; no contents when its header is
// damaged (or of a version this program does not read).
struct FoundJournal {
    std::filesystem::path file;
    std::optional<JournalContents> contents;
};

// The journal beside a project's master file.
std::filesystem::path journal_of(const std::filesystem::path& master);
// A project's journals: the one beside it and those earlier versions named
// after a process; damaged ones first, then the highest sequence first.
std::vector<FoundJournal> journals_of(const std::filesystem::path& master);
// The journal of an unsaved project of the run named `run`, in `folder`.
std::filesystem::path unsaved_journal(const std::filesystem::path& folder, const std::string& run);
// Journals of unsaved projects in `folder` whose lock no run holds, in the
// order of journals_of.
std::vector<FoundJournal> orphaned_unsaved_journals(const std::filesystem::path& folder);
std::optional<JournalContents> read_journal(const std::filesystem::path& file);
// The CRC text of a file's bytes, which a journal names as its base.
std::string base_of(const std::filesystem::path& master);
// A name for this run that no other run has had or will have.
std::string new_run_name();

class RecoveryJournal {
public:
    RecoveryJournal();

    // Journals are kept only once a folder for unsaved projects is given
    // (it may be empty: then only saved projects have journals).
    void keep(std::filesystem::path unsaved_folder);
    bool kept() const { return kept_; }
    const std::filesystem::path& unsaved_folder() const { return unsaved_folder_; }

    // The project on screen is now `master` (empty: an unsaved one) as saved
    // with `base`, in `state`; `written` false keeps no journal of it (a
    // project open read-only). The journal this run wrote for the project
    // before is removed: its changes were saved or given up.
    void start(const std::filesystem::path& master, const std::string& base, ProjectState state, bool written = true);
    // Appends what `changed` holds that differs from the state last recorded;
    // empty on success, otherwise why the journal could not be written.
    std::string record(const ProjectView& changed, int span);
    // The changes are saved or given up: the journal goes.
    void remove();
    const std::filesystem::path& file() const { return file_; }
    // The CRC of the master file the journal starts from.
    const std::string& base() const { return header_.base; }

private:
    std::string write_entry(const std::string& bytes, bool fresh);

    bool kept_ = false;
    std::string run_;
    std::filesystem::path unsaved_folder_;
    JournalHeader header_;
    ProjectState last_;  // as last recorded
    std::uintmax_t good_size_ = 0;  // of file_, up to its last whole entry
    bool torn_ = false;              // a write failed, none since succeeded: changes are missing
    std::filesystem::path file_;
    storage::ProjectLock unsaved_lock_;  // held while an unsaved journal exists
    int entries_ = 0;  // written to file_ by this run
};

}  // namespace vortan::journal
