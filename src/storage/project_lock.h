// One writer per project: an advisory lock on a file beside the master,
// held while the project is open and released by the system when the run
// that holds it ends, however it ends. The lock file names who holds it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vortan::storage {

// Who holds a lock, as its holder wrote it down.
struct LockHolder {
    std::string user;
    std::string host;
    std::string since;
};

// "~" + the master's file name in lower case + ".lock", beside it: master
// names differing only in letter case share one lock.
std::filesystem::path lock_file_of(const std::filesystem::path& master);

class ProjectLock {
public:
    enum class Outcome {
        Held,           // this run holds it now
        HeldElsewhere,  // another run (or another window of this one) holds it
        Unavailable,    // no lock file can be made there (a read-only medium)
    };

    ProjectLock() = default;
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;
    ProjectLock(ProjectLock&& other) noexcept;
    ProjectLock& operator=(ProjectLock&& other) noexcept;
    ~ProjectLock();

    // Takes the lock on `lock_file` without waiting, releasing any this
    // object held before. Held: `since` is written into it with the user and
    // host. HeldElsewhere: holder() tells who has it.
    Outcome take(const std::filesystem::path& lock_file, const std::string& since);
    void release();
    bool held() const { return handle_ != No_Handle; }
    // The lock file held, empty when none is.
    const std::filesystem::path& file() const { return file_; }
    const LockHolder& holder() const { return holder_; }

private:
    // A file descriptor, or a Windows HANDLE.
    static constexpr std::intptr_t No_Handle = -1;

    std::intptr_t handle_ = No_Handle;
    std::filesystem::path file_;
    LockHolder holder_;
};

// True when a run other than this object's holder has the lock: probing
// takes and releases it (and removes a lock file nobody holds).
bool lock_held_elsewhere(const std::filesystem::path& lock_file);

// The holder's text written into a lock file, and read back.
std::string holder_text(const LockHolder& holder);
LockHolder holder_from_text(const std::string& text);
LockHolder this_user();

}  // namespace vortan::storage
