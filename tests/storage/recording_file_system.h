// A disk in memory that records every operation a save makes and can tell
// what a real disk might hold had the power gone after any of them: file
// data not yet flushed is lost (or, in the other model, kept), and of the
// names created, renamed or removed since their folder was last flushed any
// first part has reached the disk. Any operation can be made to fail.
#pragma once

#include "storage/file_system.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vortan::storage {

using DiskFiles = std::map<std::filesystem::path, std::string>;

enum class DataModel { Lost, Kept };  // what becomes of file data not flushed when the power goes

class RecordingFileSystem : public FileSystem {
public:
    RecordingFileSystem() = default;
    // A disk that holds `files`, all of them on the disk already.
    explicit RecordingFileSystem(const DiskFiles& files);

    std::string write_file(const std::filesystem::path& file, const std::string& bytes) override;
    std::string copy_modification_time(const std::filesystem::path&, const std::filesystem::path&) override { return ""; }
    std::string flush_file(const std::filesystem::path& file) override;
    std::string flush_folder(const std::filesystem::path& folder) override;
    std::string rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::string remove(const std::filesystem::path& file) override;
    bool exists(const std::filesystem::path& file) override;
    std::optional<std::string> read_file(const std::filesystem::path& file, std::string& failure) override;
    std::size_t longest_name(const std::filesystem::path&) override { return longest_name_; }

    void set_longest_name(std::size_t limit) { longest_name_ = limit; }
    // Operation `index` (0 first; reads and tests not counted) fails with `cause` and changes nothing
    // (a write still leaves the file it created, empty).
    void fail_operation(std::size_t index, std::string cause);

    std::size_t operations() const { return log_.size(); }
    std::string operation_text(std::size_t index) const;
    DiskFiles files() const;  // as the system shows them now
    // Names changed after `done` operations that no folder flush has made durable.
    std::size_t pending_name_changes(std::size_t done) const;
    // The disk after a power cut once `done` operations were made, `persisted`
    // of the pending name changes on it.
    DiskFiles after_crash(std::size_t done, std::size_t persisted, DataModel model) const;

private:
    enum class Kind { Write, FlushFile, FlushFolder, Rename, Remove };
    struct Operation {
        Kind kind;
        std::filesystem::path path = {}, to = {};
        std::string bytes = {};  // written
        int node = -1;          // the file written or flushed
        bool creates = false;   // a write that made a new name
        bool failed = false;
    };
    bool changes_name(const Operation& operation) const;
    bool made_durable(std::size_t index, std::size_t done) const;
    std::string record(Operation operation);

    std::map<std::filesystem::path, int> names_, initial_names_;
    std::vector<std::string> initial_bytes_;
    std::vector<std::string> nodes_;  // bytes of every file ever made, by number
    std::vector<Operation> log_;
    std::map<std::size_t, std::string> failures_;
    std::size_t longest_name_ = 255;
};

}  // namespace vortan::storage
