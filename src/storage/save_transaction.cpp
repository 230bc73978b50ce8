#include "storage/save_transaction.h"

#include "project/project_file_set.h"

#include <set>

namespace vortan::storage {

namespace fs = std::filesystem;

namespace {

constexpr size_t Generation_Name_Extra = 5;  // "~" and ".tmp" / ".bak"

std::string quoted(const fs::path& file) { return "'" + file.string() + "'"; }

class Transaction {
public:
    Transaction(FileSystem& files, const SaveSet& set) : files_(files), set_(set) {
        for (const FileContent& file : set.files) folders_.insert(folder_of(file.path));
        for (const fs::path& file : set.leaving) folders_.insert(folder_of(file));
    }

    std::string run() {
        std::string failure = check_names();
        if (failure.empty()) failure = write_temporaries();
        if (failure.empty()) failure = flush_folders(folders_);
        if (failure.empty()) failure = switch_files();
        if (failure.empty()) failure = flush_folders(folders_);
        if (!failure.empty()) return undo(std::move(failure));
        clean_up();
        return "";
    }

private:
    std::string check_names() {
        auto too_long = [this](const fs::path& file) -> std::string {
            const size_t limit = files_.longest_name(folder_of(file));
            const std::string name = file.filename().string();
            if (name.size() + Generation_Name_Extra <= limit) return "";
            return "The name of the file " + quoted(file) + " is too long for the file system of its folder: a save "
                   "first writes each file under its name with " + std::to_string(Generation_Name_Extra) +
                   " characters more (" + quoted(temporary_of(file).filename()) + "), and that file system takes "
                   "names of at most " + std::to_string(limit) + " characters.  Save the project under a shorter "
                   "name with Save As.";
        };
        for (const FileContent& file : set_.files)
            if (std::string failure = too_long(file.path); !failure.empty()) return failure;
        return "";
    }

    std::string write_temporaries() {
        for (const FileContent& file : set_.files) {
            const fs::path temporary = temporary_of(file.path);
            if (!file.in_temporary) {
                written_.push_back(temporary);
                if (std::string cause = files_.write_file(temporary, file.bytes); !cause.empty())
                    return "The file " + quoted(temporary) + " could not be written (" + cause + ").";
            }
            if (std::string cause = file.time_of.empty() ? "" : files_.copy_modification_time(file.time_of, temporary);
                !cause.empty())
                return "The time of the file " + quoted(temporary) + " could not be set (" + cause + ").";
            if (std::string cause = files_.flush_file(temporary); !cause.empty())
                return "The file " + quoted(temporary) + " could not be written to the disk (" + cause + ").";
        }
        return "";
    }

    std::string flush_folders(const std::set<fs::path>& folders) {
        for (const fs::path& folder : folders)
            if (std::string cause = files_.flush_folder(folder); !cause.empty())
                return "The folder " + quoted(folder) + " could not be written to the disk (" + cause + ").";
        return "";
    }

    std::string rename(const fs::path& from, const fs::path& to) {
        std::string cause = files_.rename(from, to);
        if (cause.empty()) renamed_.push_back({from, to});
        return cause;
    }

    std::string move_aside(const fs::path& file) {
        if (!files_.exists(file)) return "";
        const std::string cause = rename(file, backup_of(file));
        return cause.empty() ? "" : "The file " + quoted(file) + " could not be renamed to " +
                                        quoted(backup_of(file).filename()) + " (" + cause + ").";
    }

    // The master last: until it is in, the old master names the old set.
    std::string switch_files() {
        for (const fs::path& file : set_.leaving)
            if (std::string failure = move_aside(file); !failure.empty()) return failure;
        for (size_t n = set_.files.size(); n-- > 0;) {
            const fs::path& file = set_.files[n].path;
            if (std::string failure = move_aside(file); !failure.empty()) return failure;
            if (std::string cause = rename(temporary_of(file), file); !cause.empty())
                return "The file " + quoted(file) + " could not be replaced by " +
                       quoted(temporary_of(file).filename()) + " (" + cause + ").";
        }
        return "";
    }

    // Every name back as it was; the temporaries this save wrote go.
    std::string undo(std::string failure) {
        for (size_t n = renamed_.size(); n-- > 0;) files_.rename(renamed_[n].to, renamed_[n].from);
        for (const fs::path& temporary : written_) files_.remove(temporary);
        flush_folders(folders_);
        return failure;
    }

    // The new set is on the disk: what is left over cannot take its place
    // again, so a file that stays behind is no failure of the save.
    void clean_up() {
        std::set<fs::path> folders = folders_;
        for (const FileContent& file : set_.files) files_.remove(backup_of(file.path));
        for (const fs::path& file : set_.leaving) files_.remove(backup_of(file));
        for (const fs::path& file : set_.remove_after) {
            files_.remove(file);
            folders.insert(folder_of(file));
        }
        flush_folders(folders);
    }

    struct Renamed {
        fs::path from, to;
    };

    FileSystem& files_;
    const SaveSet& set_;
    std::set<fs::path> folders_;
    std::vector<fs::path> written_;
    std::vector<Renamed> renamed_;
};

}  // namespace

fs::path temporary_of(const fs::path& file) { return file.parent_path() / ("~" + file.filename().string() + ".tmp"); }

fs::path backup_of(const fs::path& file) { return file.parent_path() / ("~" + file.filename().string() + ".bak"); }

std::string save_file_set(FileSystem& files, const SaveSet& set) { return Transaction(files, set).run(); }

}  // namespace vortan::storage
