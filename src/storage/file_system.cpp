#include "storage/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vortan::storage {

namespace fs = std::filesystem;

FileSystem& system_file_system() {
    static SystemFileSystem system;
    return system;
}

std::string SystemFileSystem::copy_modification_time(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(from, error);
    if (!error) fs::last_write_time(to, time, error);
    return error ? error.message() : "";
}

#ifdef _WIN32

namespace {

std::string last_error_text() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string cause = length && text ? std::string(text, length) : "system error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!cause.empty() && (cause.back() == '\n' || cause.back() == '\r' || cause.back() == '.')) cause.pop_back();
    return cause;
}

HANDLE open_handle(const fs::path& file, DWORD access, DWORD disposition) {
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string SystemFileSystem::write_file(const fs::path& file, const std::string& bytes) {
    HANDLE handle = open_handle(file, GENERIC_WRITE, CREATE_ALWAYS);
    if (handle == INVALID_HANDLE_VALUE) return last_error_text();
    std::string failure;
    for (size_t done = 0; done < bytes.size() && failure.empty();) {
        const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD wrote = 0;
        if (!WriteFile(handle, bytes.data() + done, part, &wrote, nullptr) || wrote == 0) failure = last_error_text();
        done += wrote;
    }
    if (!CloseHandle(handle) && failure.empty()) failure = last_error_text();
    return failure;
}

std::string SystemFileSystem::flush_file(const fs::path& file) {
    HANDLE handle = open_handle(file, GENERIC_WRITE, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE) return last_error_text();
    std::string failure = FlushFileBuffers(handle) ? "" : last_error_text();
    if (!CloseHandle(handle) && failure.empty()) failure = last_error_text();
    return failure;
}

// A rename written through is on the disk when MoveFileExW returns.
std::string SystemFileSystem::flush_folder(const fs::path&) { return ""; }

std::string SystemFileSystem::rename(const fs::path& from, const fs::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? ""
                                                                                                     : last_error_text();
}

std::string SystemFileSystem::remove(const fs::path& file) {
    if (DeleteFileW(file.c_str())) return "";
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? "" : last_error_text();
}

bool SystemFileSystem::exists(const fs::path& file) { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::string> SystemFileSystem::read_file(const fs::path& file, std::string& failure) {
    HANDLE handle = open_handle(file, GENERIC_READ, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE) {
        failure = last_error_text();
        return std::nullopt;
    }
    std::string bytes;
    char block[1 << 16];
    DWORD got = 0;
    bool read = true;
    while ((read = ReadFile(handle, block, sizeof block, &got, nullptr)) && got > 0) bytes.append(block, got);
    if (!read) failure = last_error_text();
    CloseHandle(handle);
    if (!read) return std::nullopt;
    return bytes;
}

std::size_t SystemFileSystem::longest_name(const fs::path&) { return 255; }

#else

namespace {

std::string cause() { return std::strerror(errno); }

int open_retrying(const fs::path& file, int flags, mode_t mode = 0) {
    int handle;
    do handle = ::open(file.c_str(), flags | O_CLOEXEC, mode);
    while (handle < 0 && errno == EINTR);
    return handle;
}

// fsync on macOS leaves the bytes in the drive's cache; a flat battery loses them.
bool flush_handle(int handle) {
#ifdef __APPLE__
    if (::fcntl(handle, F_FULLFSYNC) == 0) return true;
#endif
    return ::fsync(handle) == 0;
}

std::string close_handle(int handle, std::string failure) {
    if (::close(handle) != 0 && failure.empty() && errno != EINTR) failure = cause();
    return failure;
}

}  // namespace

std::string SystemFileSystem::write_file(const fs::path& file, const std::string& bytes) {
    const int handle = open_retrying(file, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (handle < 0) return cause();
    std::string failure;
    for (size_t done = 0; done < bytes.size() && failure.empty();) {
        const ssize_t wrote = ::write(handle, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno != EINTR) failure = cause();
        else if (wrote == 0) failure = "the system wrote nothing";
        else if (wrote > 0) done += static_cast<size_t>(wrote);
    }
    return close_handle(handle, failure);
}

std::string SystemFileSystem::flush_file(const fs::path& file) {
    const int handle = open_retrying(file, O_WRONLY);
    if (handle < 0) return cause();
    return close_handle(handle, flush_handle(handle) ? "" : cause());
}

std::string SystemFileSystem::flush_folder(const fs::path& folder) {
    const int handle = open_retrying(folder, O_RDONLY | O_DIRECTORY);
    if (handle < 0) return cause();
    // Some file systems cannot flush a folder and say so; their names are
    // written with the data they point to.
    const bool flushed = flush_handle(handle) || errno == EINVAL || errno == ENOTSUP;
    return close_handle(handle, flushed ? "" : cause());
}

std::string SystemFileSystem::rename(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? "" : cause();
}

std::string SystemFileSystem::remove(const fs::path& file) {
    return ::unlink(file.c_str()) == 0 || errno == ENOENT ? "" : cause();
}

bool SystemFileSystem::exists(const fs::path& file) {
    struct stat status{};
    return ::lstat(file.c_str(), &status) == 0;
}

std::optional<std::string> SystemFileSystem::read_file(const fs::path& file, std::string& failure) {
    const int handle = open_retrying(file, O_RDONLY);
    if (handle < 0) {
        failure = cause();
        return std::nullopt;
    }
    std::string bytes;
    char block[1 << 16];
    for (ssize_t got; (got = ::read(handle, block, sizeof block)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            failure = cause();
            ::close(handle);
            return std::nullopt;
        }
        bytes.append(block, static_cast<size_t>(got));
    }
    ::close(handle);
    return bytes;
}

std::size_t SystemFileSystem::longest_name(const fs::path& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

#endif

}  // namespace vortan::storage
