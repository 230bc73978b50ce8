#include "mainwindow/unfinished_save_question.h"

#include "storage/saved_states.h"

namespace vortan {

namespace fs = std::filesystem;

namespace {

std::string opening(const fs::path& master) {
    return "Warning : The last save of the project\n\r\n\r" + master.string() + "\n\r\n\rdid not finish: the program "
           "or the computer stopped while its files were being replaced.";
}

constexpr const char* Earlier_Whole = "  The project as it was before that save is complete on the disk.";
constexpr const char* Later_Whole = "  The project as that save was writing it is complete on the disk.";

// The state the user picks, or none when the files are to stay as they are.
const storage::SavedState* chosen_state(UserPort& port, const fs::path& master, const storage::SavedStates& states) {
    if (states.earlier && states.later) {
        const Answer answer = port.warn(
            Buttons::YesNoCancel,
            opening(master) + "  Both the project as it was before that save and as that save was writing it are "
            "complete on the disk.\n\r\n\rYes opens the project as that save was writing it (the later state).\n\r"
            "No opens it as it was before that save (the earlier state).\n\rCancel leaves the files as they are and "
            "opens nothing.");
        return answer == Answer::Yes ? &*states.later : answer == Answer::No ? &*states.earlier : nullptr;
    }
    const auto& only = states.later ? states.later : states.earlier;
    const Answer answer = port.warn(Buttons::YesCancel,
                                    opening(master) + (states.later ? Later_Whole : Earlier_Whole) +
                                        "\n\r\n\rYes restores it and opens it.\n\rCancel leaves the files as they "
                                        "are and opens nothing.");
    return answer == Answer::Yes ? &*only : nullptr;
}

}  // namespace

bool settle_unfinished_save(UserPort& port, storage::FileSystem& files, const fs::path& master) {
    // Without generation files (nearly every open) no file is read here.
    if (!storage::has_generation_files(files, master)) return true;
    const storage::SavedStates states = storage::find_saved_states(files, master);
    if (states.plain_whole || !states.generation_files) return true;
    if (!states.earlier && !states.later) {
        port.message(MessageKind::Warning, Buttons::OK,
                     "Warning : The last save of the project\n\r\n\r" + master.string() +
                         "\n\r\n\rdid not finish, and neither the project as it was before that save nor as that "
                         "save was writing it is complete on the disk.  Its files are left as they are; those of "
                         "the unfinished save have names beginning with \"~\".");
        return files.exists(master);
    }
    const storage::SavedState* state = chosen_state(port, master, states);
    if (!state) return false;
    const std::string failure = storage::mend_saved_state(files, master, *state);
    if (failure.empty()) return true;
    port.message(MessageKind::Error, Buttons::OK,
                 "Error : The project\n\r\n\r" + master.string() +
                     "\n\r\n\rcould not be restored from its unfinished save.\n\r\n\r" + failure +
                     "\n\r\n\rIts files are as they were.  Free space on the disk or make the folder writable, then "
                     "open the project again.");
    return false;
}

}  // namespace vortan
