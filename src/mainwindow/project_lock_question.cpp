#include "mainwindow/project_lock_question.h"

#include "ui/date_text.h"

#include <cstdio>

namespace vortan {

namespace fs = std::filesystem;

namespace {

// "user on host, since when", leaving out what the holder did not write.
std::string holder_words(const storage::LockHolder& holder) {
    std::string words = holder.user.empty() ? "another user" : "user " + holder.user;
    if (!holder.host.empty()) words += " on " + holder.host;
    if (!holder.since.empty()) words += ", since " + holder.since;
    return words;
}

std::string open_elsewhere(const fs::path& master, const storage::LockHolder& holder) {
    return "The project\n\r\n\r" + master.string() + "\n\r\n\ris open in another Vortan window (" +
           holder_words(holder) + ").";
}

}  // namespace

std::string since_text(const DateTime& time) {
    char clock[32];
    std::snprintf(clock, sizeof clock, " %02d:%02d", time.hour, time.minute);
    return format_dd_mmm_yyyy(time) + clock;
}

ProjectAccess take_lock_to_open(storage::ProjectLock& lock, const fs::path& master, UserPort& port) {
    if (lock.take(storage::lock_file_of(master), since_text(port.now())) !=
        storage::ProjectLock::Outcome::HeldElsewhere)
        return ProjectAccess::Writable;
    const Answer answer = port.message(
        MessageKind::Warning, Buttons::YesCancel,
        "Warning : " + open_elsewhere(master, lock.holder()) +
            "  Saving it from two windows would undo the changes saved in the other.\n\r\n\rOpen it read-only ?  "
            "(It can then be saved only as a copy under another name, with Save As.  Cancel leaves it closed.)",
        DefaultButton::Safe);
    return answer == Answer::Yes ? ProjectAccess::ReadOnly : ProjectAccess::Refused;
}

bool take_lock_to_save(storage::ProjectLock& lock, const fs::path& master, UserPort& port) {
    if (lock.take(storage::lock_file_of(master), since_text(port.now())) !=
        storage::ProjectLock::Outcome::HeldElsewhere)
        return true;
    port.message(MessageKind::Error, Buttons::OK,
                 "Error : " + open_elsewhere(master, lock.holder()) +
                     "  Saving over it would undo the changes saved there, so it has not been saved.\n\r\n\rClose "
                     "it in the other window first, or save under another name.");
    return false;
}

void refuse_read_only_save(const fs::path& master, UserPort& port) {
    port.message(MessageKind::Error, Buttons::OK,
                 "Error : The project\n\r\n\r" + master.string() +
                     "\n\r\n\ris open read-only: another Vortan window has it open, and saving here would undo the "
                     "changes saved there.  Nothing has been saved.\n\r\n\rUse Save As to save a copy under another "
                     "name.");
}

}  // namespace vortan
