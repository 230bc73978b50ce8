#include "project/file_set_writer.h"

#include <fstream>

namespace vortan {

namespace fs = std::filesystem;

namespace {

fs::path temporary_of(const fs::path& path) { return path.parent_path() / ("~" + path.filename().string() + ".tmp"); }

// Where the file the set replaces waits until the whole new set is in place.
fs::path backup_of(const fs::path& path) { return path.parent_path() / ("~" + path.filename().string() + ".bak"); }

bool write_bytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    return !out.fail();
}

void remove_all_of(const std::vector<FileContent>& files, fs::path (*name_of)(const fs::path&)) {
    std::error_code ignored;
    for (const FileContent& file : files) fs::remove(name_of(file.path), ignored);
}

// The replacing stopped at file `failed`: the files after it (already new)
// and the file itself go back to what they were.
void restore_backups(const std::vector<FileContent>& files, size_t failed) {
    std::error_code ignored;
    for (size_t i = failed; i < files.size(); ++i) {
        const fs::path backup = backup_of(files[i].path);
        if (fs::exists(backup, ignored)) {
            fs::rename(backup, files[i].path, ignored);
        } else if (i > failed) {
            fs::remove(files[i].path, ignored);  // new to the set: there was no file before
        }
    }
}

}  // namespace

std::string write_file_set(const std::vector<FileContent>& files) {
    // 1: the new set beside the old one, under temporary names.
    for (const FileContent& file : files) {
        if (!write_bytes(temporary_of(file.path), file.bytes)) {
            remove_all_of(files, temporary_of);
            return "The file '" + file.path.string() + "' could not be written.";
        }
    }
    // 2: each old file moved aside and the new one put in its place, the
    // first file (the master, which names the set) last. A failure on the way
    // brings the old set back whole.
    remove_all_of(files, backup_of);
    for (size_t i = files.size(); i-- > 0;) {
        const fs::path& path = files[i].path;
        std::error_code error;
        if (fs::exists(path, error)) fs::rename(path, backup_of(path), error);
        if (!error) fs::rename(temporary_of(path), path, error);
        if (error) {
            restore_backups(files, i);
            remove_all_of(files, temporary_of);
            return "The file '" + path.string() + "' could not be replaced: " + error.message();
        }
    }
    // 3: the old set is no longer needed.
    remove_all_of(files, backup_of);
    return "";
}

}  // namespace vortan
