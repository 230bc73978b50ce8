// The recovery journal of the project on screen: written after every change
// a user completes, offered back when a run that died left one behind.
#include "calc/angle_entry.h"
#include "journal/recovery_journal.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "project/project_file_set.h"
#include "setup/vertical_circle.h"

#include <algorithm>
#include <exception>

namespace vortan {

namespace fs = std::filesystem;

namespace {

// The texts and marks the master file keeps, in one list.
const std::vector<std::string>& project_values() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all(std::begin(Project_Texts), std::end(Project_Texts));
        all.insert(all.end(), std::begin(Vertical_Circles), std::end(Vertical_Circles));
        for (const PrecisionSetting& setting : precision_settings()) all.push_back(setting.field);
        return all;
    }();
    return names;
}

bool is_project_value(const std::string& name) {
    return std::find(project_values().begin(), project_values().end(), name) != project_values().end();
}

bool is_project_list(const std::string& name) {
    return std::any_of(side_files().begin(), side_files().end(),
                       [&](const SideFile& side) { return name == side.list; });
}

std::string count_of(size_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

void MainWindow::keep_recovery_journal(fs::path unsaved_folder) {
    journal_.keep(std::move(unsaved_folder));
    const fs::path master = form_.text("Load_Save_File_Edit");
    start_journal(master, master.empty() ? std::nullopt : std::optional(journal::base_of(master)));
}

void MainWindow::watch_for_journal() {
    auto watch = [this](bool setup_form) {
        return [this, setup_form](const Control& control, Property property) {
            const bool value = setup_form && is_project_value(control.name) &&
                               (property == Property::Text || property == Property::Checked);
            if (value || (property == Property::Items && is_project_list(control.name)))
                journal_pending_.insert(control.name);
        };
    };
    form_.add_listener(watch(false));
    setup_.form().add_listener(watch(true));
    form_.after_user_action = [this] { journal_changes(); };
    setup_.form().after_user_action = [this] { journal_changes(); };
    port_.before_message = [this] { journal_changes(); };
}

journal::ProjectView MainWindow::project_state(bool pending_only) const {
    journal::ProjectView state;
    const Form& setup = setup_.form();
    for (const std::string& name : project_values()) {
        if (pending_only && !journal_pending_.count(name)) continue;
        const Control& control = setup.control(name);
        // A precision is journalled as the file keeps it, metric, so that a
        // recovery under other units shows the value that was typed.
        if (const PrecisionSetting* precision = precision_setting_of(name))
            state.values[name] = setup_.precisions().stored(*precision);
        else
            state.values[name] = control.kind == ControlKind::RadioButton ? (control.checked ? "1" : "0") : control.text;
    }
    for (const SideFile& side : side_files())
        if (!pending_only || journal_pending_.count(side.list))
            state.lists[side.list] = &(side.main_window ? form_ : setup).items(side.list);
    return state;
}

void MainWindow::start_journal(const fs::path& master, std::optional<std::string> base) {
    // A saved project's journal starts from its files; an unsaved one's from
    // nothing, so that it holds the whole project.
    // Read-only, no journal is written: the run holding the lock writes it.
    const bool from_files = journal_.kept() && !master.empty() && !read_only_;
    journal_.start(master, base.value_or(""), from_files ? copy_of(project_state(false)) : journal::ProjectState{},
                   !read_only_);
    journal_pending_.clear();
    if (master.empty()) {
        for (const std::string& name : project_values()) journal_pending_.insert(name);
        for (const SideFile& side : side_files()) journal_pending_.insert(side.list);
    }
}

void MainWindow::journal_changes() {
    if (journal_writing_ || journal_pending_.empty() || !journal_.kept()) return;
    // Without unsaved work there is nothing a crash could lose.
    if (!form_.checked("Data_Changed_Since_Load_CheckBox") && !setup_.form().checked("Settings_Data_Changed_CheckBox"))
        return;
    journal_writing_ = true;
    const std::string failure = journal_.record(project_state(true), span_number());
    if (failure.empty()) journal_pending_.clear();
    if (!failure.empty() && journal_failure_shown_ != journal_.file()) {
        journal_failure_shown_ = journal_.file();
        port_.message(MessageKind::Warning, Buttons::OK,
                      "Warning : The recovery journal\n\r\n\r" + journal_.file().string() +
                          "\n\r\n\rcannot be written (" + failure +
                          ").  Changes made since the project was last saved will be lost if the program stops "
                          "unexpectedly.\n\r\n\rSave the project often, or free space on the disk.");
    }
    journal_writing_ = false;
}

void MainWindow::remove_journal() {
    journal_.remove();
    journal_pending_.clear();
}

bool MainWindow::offer_recovery(const fs::path& master) {
    // The journal just started for these files holds their CRC. Read-only,
    // the project's journal is the other window's, which holds its lock.
    if (!journal_.kept() || read_only_) return false;
    const std::string& base = journal_.base();
    for (const journal::FoundJournal& found : journal::journals_of(master)) {
        if (!found.contents) {
            ask_about_damaged_journal(found.file);
            continue;
        }
        // A journal made from another save of the project does not fit these files.
        const journal::JournalContents& contents = *found.contents;
        if (contents.header.base != base) continue;
        const std::string question =
            "Warning : The program stopped without saving the project\n\r\n\r" + master.string() + "\n\r\n\r" +
            count_of(contents.entries.size(), "change") +
            " made after it was last saved can be recovered from its journal.";
        const bool recovered = recovery_accepted(contents, question);
        if (recovered) recover(contents, copy_of(project_state(false)));
        // Declined, or kept now in this run's journal, it goes.
        std::error_code error;
        if (!recovered || (found.file != journal_.file() && journal_pending_.empty())) fs::remove(found.file, error);
        return recovered;
    }
    return false;
}

void MainWindow::offer_unsaved_recovery() {
    if (!journal_.kept() || journal_.unsaved_folder().empty()) return;
    for (const journal::FoundJournal& found : journal::orphaned_unsaved_journals(journal_.unsaved_folder())) {
        if (found.file == journal_.file()) continue;
        if (!found.contents) {
            ask_about_damaged_journal(found.file);
            continue;
        }
        const journal::JournalContents& contents = *found.contents;
        if (contents.header.base != journal::No_Base) continue;
        const std::string question = "Warning : The program stopped while an unsaved project was open.\n\r\n\r" +
                                     count_of(contents.entries.size(), "change") +
                                     " made to it can be recovered from its journal.";
        // Declined, the journal goes and the project on screen stays; the
        // work on screen kept, the journal stays to be offered again.
        const bool accepted = recovery_accepted(contents, question);
        if (accepted && !may_lose_unsaved_data()) return;
        if (accepted) {
            reset_without_asking();
            recover(contents, journal::ProjectState{});
        }
        std::error_code error;
        fs::remove(found.file, error);
        return;
    }
}

void MainWindow::ask_about_damaged_journal(const fs::path& file) {
    const Answer answer = port_.message(
        MessageKind::Warning, Buttons::YesNo,
        "Warning : The recovery journal\n\r\n\r" + file.string() +
            "\n\r\n\ris damaged at its start (or was written by a later version of the program): which project "
            "and which save it belongs to cannot be told, so its changes cannot be recovered.\n\r\n\rRemove it ?  "
            "(No keeps it, to be looked at.)",
        DefaultButton::Safe);
    std::error_code error;
    if (answer == Answer::Yes) fs::remove(file, error);
}

bool MainWindow::recovery_accepted(const journal::JournalContents& contents, const std::string& question) {
    // Whether the run died while writing or a write failed (a full disk) and
    // the run went on, what came after the torn entry cannot be known.
    const std::string lost = contents.lost > 0 ? "\n\r\n\rThe journal stops at a change that could not be written "
                                                 "in full; changes made after it are not in it and cannot be "
                                                 "recovered."
                                               : "";
    if (contents.entries.empty()) {
        port_.message(MessageKind::Warning, Buttons::OK, question + lost);
        return false;
    }
    // Enter recovers: declining is what loses the work.
    return port_.message(MessageKind::Warning, Buttons::YesNo,
                         question + lost + "\n\r\n\rRecover them ?  (No discards them.)", DefaultButton::Yes) ==
           Answer::Yes;
}

void MainWindow::recover(const journal::JournalContents& contents, journal::ProjectState base) {
    int span = 1;
    size_t restored = 0;
    // Each entry was made on the state the ones before it left: after the
    // first that does not fit, none can be trusted.
    for (const journal::Entry& entry : contents.entries) {
        if (!journal::apply(entry, base)) break;
        span = entry.span;
        ++restored;
    }
    show_recovered_state(base, span);
    const size_t total = contents.entries.size();
    if (restored == total) return;
    port_.message(MessageKind::Warning, Buttons::OK,
                  "Warning : " + count_of(total - restored, "change") + " of " + std::to_string(total) +
                      " in the recovery journal could not be restored: they do not fit the project's files as they "
                      "were read (a side file may be missing, or changed outside this program).\n\r\n\rThe "
                      "project is shown with the " + count_of(restored, "change") +
                      " before them, unsaved.  Check it before saving it.");
}

void MainWindow::show_recovered_state(const journal::ProjectState& state, int span) {
    Form& setup = setup_.form();
    for (const auto& [name, value] : state.values) {
        if (const PrecisionSetting* precision = precision_setting_of(name))
            setup_.precisions().show_stored(*precision, value);
        else if (setup.control(name).kind == ControlKind::RadioButton)
            setup.set_checked(name, value == "1");
        else
            setup.set_text(name, value);
    }
    for (const SideFile& side : side_files()) {
        auto lines = state.lists.find(side.list);
        (side.main_window ? form_ : setup).set_items(side.list, lines == state.lists.end() ? std::vector<std::string>{}
                                                                                          : lines->second);
    }
    fill_project_details(form_, setup);
    choose_one_vertical_circle(setup);
    form_.set_text("Theodolite_Type_Edit", vertical_circle_name(setup));
    fill_all_choices(form_, setup);
    set_span_number(std::clamp(span, 1, std::max(1, span_count())));
    display();
    // Recovered, the changes are the project's unsaved work, kept by its journal.
    journal_recovered_ = true;
    form_.set_checked("Data_Changed_Since_Load_CheckBox", true);
    setup.set_checked("Settings_Data_Changed_CheckBox", true);
    journal_changes();
}

}  // namespace vortan
