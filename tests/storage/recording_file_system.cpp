#include "storage/recording_file_system.h"

#include "project/project_file_set.h"

#include <cerrno>
#include <cstring>

namespace vortan::storage {

namespace fs = std::filesystem;

RecordingFileSystem::RecordingFileSystem(const DiskFiles& files) {
    for (const auto& [path, bytes] : files) {
        names_[path] = static_cast<int>(nodes_.size());
        nodes_.push_back(bytes);
    }
    initial_names_ = names_;
    initial_bytes_ = nodes_;
}

void RecordingFileSystem::fail_operation(std::size_t index, std::string cause) { failures_[index] = std::move(cause); }

std::string RecordingFileSystem::record(Operation operation) {
    auto failure = failures_.find(log_.size());
    operation.failed = failure != failures_.end();
    log_.push_back(std::move(operation));
    return operation.failed ? failure->second : "";
}

std::string RecordingFileSystem::write_file(const fs::path& file, const std::string& bytes) {
    const bool creates = !names_.count(file);
    if (creates) {
        names_[file] = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
    }
    const int node = names_[file];
    std::string failure = record({Kind::Write, file, {}, bytes, node, creates});
    if (failure.empty()) nodes_[static_cast<size_t>(node)] = bytes;
    else log_.back().bytes.clear();  // a failed write leaves the file it made, empty
    return failure;
}

std::string RecordingFileSystem::flush_file(const fs::path& file) {
    if (!names_.count(file)) return std::strerror(ENOENT);
    return record({Kind::FlushFile, file, {}, {}, names_[file]});
}

std::string RecordingFileSystem::flush_folder(const fs::path& folder) { return record({Kind::FlushFolder, folder}); }

std::string RecordingFileSystem::rename(const fs::path& from, const fs::path& to) {
    if (!names_.count(from)) return std::strerror(ENOENT);
    std::string failure = record({Kind::Rename, from, to});
    if (failure.empty()) {
        names_[to] = names_[from];
        names_.erase(from);
    }
    return failure;
}

std::string RecordingFileSystem::remove(const fs::path& file) {
    if (!names_.count(file)) return "";
    std::string failure = record({Kind::Remove, file});
    if (failure.empty()) names_.erase(file);
    return failure;
}

bool RecordingFileSystem::exists(const fs::path& file) { return names_.count(file) != 0; }

std::optional<std::string> RecordingFileSystem::read_file(const fs::path& file, std::string& failure) {
    auto name = names_.find(file);
    if (name == names_.end()) {
        failure = std::strerror(ENOENT);
        return std::nullopt;
    }
    return nodes_[static_cast<size_t>(name->second)];
}

std::string RecordingFileSystem::operation_text(std::size_t index) const {
    const Operation& operation = log_.at(index);
    static const char* kinds[] = {"write", "flush file", "flush folder", "rename", "remove"};
    std::string text = std::to_string(index) + " " + kinds[static_cast<int>(operation.kind)] + " " + operation.path.string();
    if (operation.kind == Kind::Rename) text += " -> " + operation.to.string();
    return text + (operation.failed ? " (fails)" : "");
}

DiskFiles RecordingFileSystem::files() const {
    DiskFiles files;
    for (const auto& [path, node] : names_) files[path] = nodes_[static_cast<size_t>(node)];
    return files;
}

bool RecordingFileSystem::changes_name(const Operation& operation) const {
    if (operation.failed) return operation.kind == Kind::Write && operation.creates;
    return operation.kind == Kind::Rename || operation.kind == Kind::Remove ||
           (operation.kind == Kind::Write && operation.creates);
}

// A name change is durable once its folder was flushed after it.
bool RecordingFileSystem::made_durable(std::size_t index, std::size_t done) const {
    const fs::path folder = folder_of(log_[index].path);
    for (std::size_t later = index + 1; later < done; ++later)
        if (log_[later].kind == Kind::FlushFolder && !log_[later].failed && log_[later].path == folder) return true;
    return false;
}

std::size_t RecordingFileSystem::pending_name_changes(std::size_t done) const {
    std::size_t pending = 0;
    for (std::size_t n = 0; n < done; ++n) pending += changes_name(log_[n]) && !made_durable(n, done);
    return pending;
}

DiskFiles RecordingFileSystem::after_crash(std::size_t done, std::size_t persisted, DataModel model) const {
    // Each file's data: as it was, or as its last write left it, lost unless flushed after it.
    std::map<int, std::string> data;
    for (const auto& [path, node] : initial_names_) data[node] = initial_bytes_[static_cast<size_t>(node)];
    std::map<int, bool> flushed;
    for (std::size_t n = 0; n < done; ++n) {
        const Operation& operation = log_[n];
        if (operation.kind == Kind::Write) {
            data[operation.node] = operation.bytes;
            flushed[operation.node] = false;
        } else if (operation.kind == Kind::FlushFile && !operation.failed) {
            flushed[operation.node] = true;
        }
    }
    for (const auto& [node, on_disk] : flushed)
        if (!on_disk && model == DataModel::Lost) data[node].clear();
    // Names: every change a folder flush made durable, and the first `persisted` of the others.
    std::map<fs::path, int> names = initial_names_;
    std::size_t pending_seen = 0;
    for (std::size_t n = 0; n < done; ++n) {
        const Operation& operation = log_[n];
        if (!changes_name(operation)) continue;
        if (!made_durable(n, done) && pending_seen++ >= persisted) continue;
        if (operation.kind == Kind::Write) {
            names[operation.path] = operation.node;
        } else if (operation.kind == Kind::Remove) {
            names.erase(operation.path);
        } else if (names.count(operation.path)) {
            names[operation.to] = names[operation.path];
            names.erase(operation.path);
        }
    }
    DiskFiles disk;
    for (const auto& [path, node] : names) disk[path] = data[node];
    return disk;
}

}  // namespace vortan::storage
