// The file operations a save makes and an open reads back, as one interface,
// so that a test can stand in for the disk and crash it at any point. Every
// operation returns why it failed (the system's words: "No space left on
// device", "File name too long", ...), empty on success.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace vortan::storage {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates or truncates the file and writes `bytes`; a short write or a
    // failed close is a failure. The bytes may still be only in memory.
    virtual std::string write_file(const std::filesystem::path& file, const std::string& bytes) = 0;
    // Gives `to` the modification time of `from`.
    virtual std::string copy_modification_time(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Returns once the file's bytes are on the disk.
    virtual std::string flush_file(const std::filesystem::path& file) = 0;
    // Returns once the names created, renamed or removed in the folder are on the disk.
    virtual std::string flush_folder(const std::filesystem::path& folder) = 0;
    // Renames, replacing a file that has the new name.
    virtual std::string rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // A file that does not exist is removed already.
    virtual std::string remove(const std::filesystem::path& file) = 0;
    virtual bool exists(const std::filesystem::path& file) = 0;
    // The file's bytes; nullopt (with `failure` set) when it cannot be read or does not exist.
    virtual std::optional<std::string> read_file(const std::filesystem::path& file, std::string& failure) = 0;
    // The longest file name the folder's file system takes, in bytes.
    virtual std::size_t longest_name(const std::filesystem::path& folder) = 0;
};

// The machine's own file system.
class SystemFileSystem : public FileSystem {
public:
    std::string write_file(const std::filesystem::path& file, const std::string& bytes) override;
    std::string copy_modification_time(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::string flush_file(const std::filesystem::path& file) override;
    std::string flush_folder(const std::filesystem::path& folder) override;
    std::string rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::string remove(const std::filesystem::path& file) override;
    bool exists(const std::filesystem::path& file) override;
    std::optional<std::string> read_file(const std::filesystem::path& file, std::string& failure) override;
    std::size_t longest_name(const std::filesystem::path& folder) override;
};

// The one every window uses unless it is given another.
FileSystem& system_file_system();

}  // namespace vortan::storage
