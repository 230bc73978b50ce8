#include "storage/saved_states.h"

#include "project/crc32.h"
#include "project/master_file.h"
#include "project/project_file_set.h"
#include "storage/save_transaction.h"

#include <map>

namespace vortan::storage {

namespace fs = std::filesystem;

namespace {

constexpr const char* Empty_Crc = "0";

// Each file is read once however many candidates ask for it.
class FileCrcs {
public:
    explicit FileCrcs(FileSystem& files) : files_(files) {}
    // The CRC text of the file, "0" when it is missing or empty; empty when it cannot be read.
    const std::string& of(const fs::path& file) {
        auto known = crcs_.find(file);
        if (known != crcs_.end()) return known->second;
        std::string crc = Empty_Crc;
        if (files_.exists(file)) {
            std::string failure;
            auto bytes = files_.read_file(file, failure);
            crc = bytes ? crc_text(crc32(bytes->data(), bytes->size())) : "";
        }
        return crcs_[file] = crc;
    }

private:
    FileSystem& files_;
    std::map<fs::path, std::string> crcs_;
};

std::optional<MasterFile> readable_master(FileSystem& files, const fs::path& candidate) {
    if (!files.exists(candidate)) return std::nullopt;
    std::string failure;
    auto bytes = files.read_file(candidate, failure);
    if (!bytes || bytes->size() > Master_File_Limit) return std::nullopt;
    MasterFile master = parse_master_bytes(std::move(*bytes));
    if (!is_readable(master)) return std::nullopt;
    return master;
}

// Every save writes the format and a CRC for each side file it always has:
// a master without them (one of an earlier version cut short, which has no
// check of its own) names no state.
bool has_every_check(const ProfileFile& profile) {
    if (profile.text(Master_Section, "Settings_Data_Format_Version").empty()) return false;
    for (const SideFile& side : side_files())
        if (!side.only_when_used && profile.text(Master_Section, side.crc_key).empty()) return false;
    return true;
}

// The state `candidate` names, when whole; with `plain_only`, only as the
// plain set holds it.
std::optional<SavedState> whole_state(FileSystem& files, FileCrcs& crcs, const fs::path& master,
                                      const fs::path& candidate, bool plain_only) {
    auto read = readable_master(files, candidate);
    if (!read || !has_every_check(read->profile)) return std::nullopt;
    SavedState state{{master, candidate}, {}, {}};
    for (const SideFile& side : side_files()) {
        const fs::path plain = side_file_path(master, side.extension);
        const std::string stored = read->profile.text(Master_Section, side.crc_key);
        if (stored.empty()) {
            // A file its master has no check for is not read as the state's
            // when the state never has it (a later save's, taken for stringing data).
            if (side.only_when_used && crcs.of(plain) != Empty_Crc) {
                if (plain_only) return std::nullopt;
                state.leaving.push_back(plain);
            }
            continue;
        }
        std::vector<fs::path> places = {plain};
        if (!plain_only) places.insert(places.end(), {temporary_of(plain), backup_of(plain)});
        std::optional<fs::path> found;
        for (const fs::path& place : places) {
            if (crcs.of(place) != stored) continue;
            found = files.exists(place) ? place : fs::path();  // "0": missing is empty
            break;
        }
        if (!found) return std::nullopt;
        state.sides.push_back({plain, *found});
    }
    return state;
}

}  // namespace

std::vector<fs::path> generation_files_of(const fs::path& master) {
    std::vector<fs::path> names = {temporary_of(master), backup_of(master)};
    for (const SideFile& side : side_files()) {
        const fs::path plain = side_file_path(master, side.extension);
        names.push_back(temporary_of(plain));
        names.push_back(backup_of(plain));
    }
    return names;
}

bool has_generation_files(FileSystem& files, const fs::path& master) {
    for (const fs::path& name : generation_files_of(master))
        if (files.exists(name)) return true;
    return false;
}

SavedStates find_saved_states(FileSystem& files, const fs::path& master) {
    SavedStates states;
    states.generation_files = has_generation_files(files, master);
    FileCrcs crcs(files);
    states.plain_whole = whole_state(files, crcs, master, master, true).has_value();
    if (states.plain_whole || !states.generation_files) return states;
    states.later = whole_state(files, crcs, master, temporary_of(master), false);
    states.earlier = whole_state(files, crcs, master, backup_of(master), false);
    // The plain master with side files under generation names: the earlier
    // save while the later one's master waits, else the later one whose
    // earlier master is still aside.
    if (auto plain = whole_state(files, crcs, master, master, false)) {
        const bool later_waits = files.exists(temporary_of(master));
        std::optional<SavedState>& slot = later_waits || !files.exists(backup_of(master)) ? states.earlier : states.later;
        if (!slot) slot = std::move(plain);
    }
    return states;
}

std::string mend_saved_state(FileSystem& files, const fs::path& master, const SavedState& state) {
    SaveSet set;
    std::vector<const StateFile*> state_files = {&state.master};
    for (const StateFile& side : state.sides) state_files.push_back(&side);
    for (const StateFile* file : state_files) {
        std::string bytes;
        if (!file->source.empty()) {
            std::string failure;
            auto read = files.read_file(file->source, failure);
            if (!read) return "The file '" + file->source.string() + "' could not be read (" + failure + ").";
            bytes = std::move(*read);
        }
        // Already where the transaction writes it: written again, a crash
        // in between would lose the only copy.
        set.files.push_back({file->plain, std::move(bytes), file->source == temporary_of(file->plain), file->source});
    }
    set.leaving = state.leaving;
    set.remove_after = generation_files_of(master);
    return save_file_set(files, set);
}

}  // namespace vortan::storage
