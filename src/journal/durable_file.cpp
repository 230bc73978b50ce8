#include "journal/durable_file.h"

#include "project/project_file_set.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace vortan::journal {

#ifdef _WIN32

std::string write_durably(const std::filesystem::path& file, const std::string& bytes, bool truncate) {
    const int flags = _O_WRONLY | _O_CREAT | _O_BINARY | (truncate ? _O_TRUNC : _O_APPEND);
    const int handle = _wopen(file.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (handle < 0) return std::strerror(errno);
    const bool written = _write(handle, bytes.data(), static_cast<unsigned>(bytes.size())) ==
                         static_cast<int>(bytes.size()) && _commit(handle) == 0;
    const std::string failure = written ? "" : std::strerror(errno);
    _close(handle);
    return failure;
}

void sync_folder(const std::filesystem::path&) {}  // a rename is durable once MoveFileEx returns

long this_process_id() { return static_cast<long>(_getpid()); }

std::string write_durably_at(const std::filesystem::path& file, const std::string& bytes, std::uintmax_t offset) {
    const int handle = _wopen(file.c_str(), _O_WRONLY | _O_BINARY);
    if (handle < 0) return std::strerror(errno);
    const auto start = static_cast<long long>(offset);
    const bool written = _lseeki64(handle, start, SEEK_SET) == start &&
                         _write(handle, bytes.data(), static_cast<unsigned>(bytes.size())) ==
                             static_cast<int>(bytes.size()) &&
                         _chsize_s(handle, start + static_cast<long long>(bytes.size())) == 0 && _commit(handle) == 0;
    const std::string failure = written ? "" : std::strerror(errno);
    _close(handle);
    return failure;
}

#else

namespace {

// Every byte written (at `offset`, or where the file stands when it is
// negative), then flushed through to the disk; empty, or the reason.
std::string write_all_and_flush(int handle, const std::string& bytes, off_t offset) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = offset < 0 ? ::write(handle, bytes.data() + done, bytes.size() - done)
                                         : ::pwrite(handle, bytes.data() + done, bytes.size() - done,
                                                    offset + static_cast<off_t>(done));
        if (wrote < 0 && errno != EINTR) return std::strerror(errno);
        if (wrote > 0) done += static_cast<size_t>(wrote);
    }
    if (offset >= 0 && ::ftruncate(handle, offset + static_cast<off_t>(bytes.size())) != 0) return std::strerror(errno);
#ifdef __APPLE__
    // fsync there leaves the bytes in the drive's cache; a flat battery loses them.
    if (::fcntl(handle, F_FULLFSYNC) != 0 && ::fsync(handle) != 0) return std::strerror(errno);
#else
    if (::fsync(handle) != 0) return std::strerror(errno);
#endif
    return "";
}

}  // namespace

std::string write_durably(const std::filesystem::path& file, const std::string& bytes, bool truncate) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (truncate ? O_TRUNC : O_APPEND);
    const int handle = ::open(file.c_str(), flags, 0644);
    if (handle < 0) return std::strerror(errno);
    const std::string failure = write_all_and_flush(handle, bytes, -1);
    ::close(handle);
    return failure;
}

// A new name in a folder reaches the disk with the folder.
void sync_folder(const std::filesystem::path& file) {
    const int directory = ::open(folder_of(file).c_str(), O_RDONLY | O_CLOEXEC);
    if (directory < 0) return;
    ::fsync(directory);
    ::close(directory);
}

long this_process_id() { return static_cast<long>(::getpid()); }

std::string write_durably_at(const std::filesystem::path& file, const std::string& bytes, std::uintmax_t offset) {
    const int handle = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (handle < 0) return std::strerror(errno);
    const std::string failure = write_all_and_flush(handle, bytes, static_cast<off_t>(offset));
    ::close(handle);
    return failure;
}

#endif

std::string replace_durably(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path fresh = file;
    fresh += ".new";
    std::string failure = write_durably(fresh, bytes, true);
    std::error_code error;
    if (failure.empty()) std::filesystem::rename(fresh, file, error);
    if (failure.empty() && error) failure = error.message();
    if (!failure.empty()) {
        std::filesystem::remove(fresh, error);
        return failure;
    }
    sync_folder(file);
    return "";
}

}  // namespace vortan::journal
