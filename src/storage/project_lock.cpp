#include "storage/project_lock.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vortan::storage {

namespace fs = std::filesystem;

namespace {

std::string from_environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string lower_case(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

#ifdef _WIN32

HANDLE as_handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// A byte far past the holder's text: Windows locks are mandatory, so the
// text must stay readable by the runs that are refused.
OVERLAPPED lock_range() {
    OVERLAPPED range{};
    range.OffsetHigh = 0x7FFFFFFF;
    return range;
}

std::string read_all(HANDLE file) {
    std::string text(4096, '\0');
    DWORD got = 0;
    OVERLAPPED start{};
    if (!ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, &start)) got = 0;
    text.resize(got);
    return text;
}

#else

std::string read_all(int handle) {
    std::string text(4096, '\0');
    const ssize_t got = ::pread(handle, text.data(), text.size(), 0);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

// A holder that let go removes the lock file; a lock taken on the name it
// had guards nothing once another run made the name anew.
bool still_named(int handle, const fs::path& file) {
    struct stat by_handle {}, by_name {};
    return ::fstat(handle, &by_handle) == 0 && ::stat(file.c_str(), &by_name) == 0 &&
           by_handle.st_dev == by_name.st_dev && by_handle.st_ino == by_name.st_ino;
}

#endif

}  // namespace

fs::path lock_file_of(const fs::path& master) {
    return master.parent_path() / ("~" + lower_case(master.filename().string()) + ".lock");
}

std::string holder_text(const LockHolder& holder) {
    return "user " + holder.user + "\nhost " + holder.host + "\nsince " + holder.since + "\n";
}

LockHolder holder_from_text(const std::string& text) {
    LockHolder holder;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank), value = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (key == "user") holder.user = value;
        else if (key == "host") holder.host = value;
        else if (key == "since") holder.since = value;
    }
    return holder;
}

LockHolder this_user() {
    LockHolder holder;
#ifdef _WIN32
    holder.user = from_environment("USERNAME");
    holder.host = from_environment("COMPUTERNAME");
#else
    holder.user = from_environment("USER");
    if (holder.user.empty())
        if (const passwd* entry = ::getpwuid(::getuid())) holder.user = entry->pw_name;
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) holder.host = host;
#endif
    return holder;
}

ProjectLock::ProjectLock(ProjectLock&& other) noexcept
    : handle_(other.handle_), file_(std::move(other.file_)), holder_(std::move(other.holder_)) {
    other.handle_ = No_Handle;
    other.file_.clear();
}

ProjectLock& ProjectLock::operator=(ProjectLock&& other) noexcept {
    if (this == &other) return *this;
    release();
    handle_ = other.handle_;
    file_ = std::move(other.file_);
    holder_ = std::move(other.holder_);
    other.handle_ = No_Handle;
    other.file_.clear();
    return *this;
}

ProjectLock::~ProjectLock() { release(); }

#ifdef _WIN32

ProjectLock::Outcome ProjectLock::take(const fs::path& lock_file, const std::string& since) {
    release();
    holder_ = {};
    HANDLE file = CreateFileW(lock_file.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Outcome::Unavailable;
    OVERLAPPED range = lock_range();
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range)) {
        const bool elsewhere = GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING;
        holder_ = holder_from_text(read_all(file));
        CloseHandle(file);
        return elsewhere ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    holder_ = this_user();
    holder_.since = since;
    const std::string text = holder_text(holder_);
    DWORD wrote = 0;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
    SetEndOfFile(file);
    handle_ = reinterpret_cast<std::intptr_t>(file);
    file_ = lock_file;
    return Outcome::Held;
}

// The lock file stays: a name another run holds open cannot be made again
// until it lets go, which would turn that run's next open into a failure.
void ProjectLock::release() {
    if (!held()) return;
    OVERLAPPED range = lock_range();
    UnlockFileEx(as_handle(handle_), 0, 1, 0, &range);
    CloseHandle(as_handle(handle_));
    handle_ = No_Handle;
    file_.clear();
}

#else

ProjectLock::Outcome ProjectLock::take(const fs::path& lock_file, const std::string& since) {
    release();
    holder_ = {};
    // A few rounds at most: each one means a holder let go and removed the file meanwhile.
    for (int round = 0; round < 8; ++round) {
        int handle = ::open(lock_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // Another user's lock file in a shared folder can still be locked to be read.
        const bool writable = handle >= 0;
        if (!writable) handle = ::open(lock_file.c_str(), O_RDONLY | O_CLOEXEC);
        if (handle < 0) return Outcome::Unavailable;
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
            const bool elsewhere = errno == EWOULDBLOCK || errno == EAGAIN;
            holder_ = holder_from_text(read_all(handle));
            ::close(handle);
            return elsewhere ? Outcome::HeldElsewhere : Outcome::Unavailable;
        }
        if (!still_named(handle, lock_file)) {
            ::close(handle);
            continue;
        }
        holder_ = this_user();
        holder_.since = since;
        if (writable) {
            const std::string text = holder_text(holder_);
            if (::ftruncate(handle, 0) != 0 || ::pwrite(handle, text.data(), text.size(), 0) < 0) {
                // Who holds it is only told to the runs refused; the lock holds without it.
            }
        }
        handle_ = handle;
        file_ = lock_file;
        return Outcome::Held;
    }
    return Outcome::HeldElsewhere;
}

// Removed while still held, so no run can take a lock on a name about to go.
void ProjectLock::release() {
    if (!held()) return;
    ::unlink(file_.c_str());
    ::close(static_cast<int>(handle_));
    handle_ = No_Handle;
    file_.clear();
}

#endif

bool lock_held_elsewhere(const fs::path& lock_file) {
    std::error_code error;
    if (!fs::exists(lock_file, error)) return false;
    ProjectLock probe;
    return probe.take(lock_file, "") == ProjectLock::Outcome::HeldElsewhere;
}

}  // namespace vortan::storage
