// Opening and saving the project file set.
#include "calc/angle_entry.h"
#include "calc/field_readers.h"
#include "mainwindow/choice_fills.h"
#include "mainwindow/main_window.h"
#include "mainwindow/unfinished_save_question.h"
#include "project/crc32.h"
#include "project/master_file.h"
#include "project/project_file_set.h"
#include "project/record_layout.h"
#include "project/side_file.h"
#include "project/side_file_warning.h"
#include "project/text_codec.h"
#include "setup/vertical_circle.h"
#include "storage/save_transaction.h"

#include <algorithm>
#include <array>

namespace vortan {

namespace fs = std::filesystem;

namespace {


std::string old_version_message() {
    return "Error : The data you are attempting to load was created with an old version of this program and the "
           "data file / formats have changed a great deal since then.  \n\r\n\rYou cannot load this data with this "
           "version of the program.  You should use the version of the program that created this data.  \n\r\n\rIf "
           "this is a real problem for you please contact the program author.";
}

// The master is refused before any side file is read with its keys.
std::string damaged_master_message(const fs::path& master, const std::string& damage) {
    return "Error : The project file\n\r\n\r" + master.string() + "\n\r\n\ris damaged (" + damage +
           ") and cannot be opened.  None of the project's files were read and nothing was changed.\n\r\n\r"
           "Open the project from a copy: a backup, or the disk or memory stick it came from.";
}

bool same_project_path(const std::string& a, const std::string& b) {
    if (a == b) return true;
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    const fs::path canonical_a = fs::weakly_canonical(fs::absolute(a, error), error);
    if (error) return false;
    const fs::path canonical_b = fs::weakly_canonical(fs::absolute(b, error), error);
    return !error && canonical_a == canonical_b;
}

}  // namespace

void MainWindow::Open_OptionClick() {
    if (!may_lose_unsaved_data()) return;
    FileDialogRequest request{"Select Project to Open ...", Project_File_Filter, form_.text("Load_Save_Directory_Edit"), "",
                              false};
    auto files = port_.open_files(request);
    if (files.empty()) return;
    open_project(files.front().string());
}

bool MainWindow::read_project() { return open_project(form_.text("Load_Save_File_Edit")); }

bool MainWindow::open_project(const std::string& requested) {
    // 1-2: a relative name lies in the project folder; the file must be a master file that exists.
    fs::path name = requested;
    if (name.empty()) return false;
    if (name.is_relative() && !form_.text("Load_Save_Directory_Edit").empty())
        name = fs::path(form_.text("Load_Save_Directory_Edit")) / name;
    std::error_code error;
    if (fs::path full = fs::absolute(name, error); !error) name = full;
    // A save that did not finish is settled first: its files are not a
    // project changed outside the program, nor one that is missing. Files
    // another window holds may be its save still going: they are not
    // this window's to mend.
    if (is_master_file_name(name) && !open_in_another_window(name) && !settle_unfinished_save(port_, *files_, name))
        return false;
    if (!is_master_file_name(name) || !fs::is_regular_file(name, error)) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : The Project :\n\r\n\r" + name.string() + "\n\r\n\rdoes NOT Exist !");
        return false;
    }
    // 5, 7-8: the versions and every list are checked before anything on
    // screen changes, so a refused project leaves the open one as it was.
    // Stored numbers are always read with "," and "." by the record loaders,
    // whatever the regional settings say.
    MasterFile master = read_master_file(name);
    if (master.state == MasterState::Damaged) {
        port_.message(MessageKind::Error, Buttons::OK, damaged_master_message(name, master.damage));
        return false;
    }
    const ProfileFile profile = std::move(master.profile);
    int settings_version = profile.integer(Master_Section, "Settings_Data_Format_Version", 1000);
    int data_version = profile.integer(Master_Section, "Span_Cable_Data_Format_Version", 0);
    bool setup_only = form_.checked("Load_Settings_From_Another_Project_CheckBox");
    if (settings_version != Settings_Data_Format_Version ||
        (!setup_only && data_version != Span_Cable_Data_Format_Version)) {
        port_.message(MessageKind::Error, Buttons::OK, old_version_message());
        return false;
    }
    bool damaged = false;
    auto lists = read_side_files(name, profile, damaged);
    if (!lists) return false;
    if (!setup_only && !lock_to_open(name)) return false;
    opened_damaged_ = damaged;
    show_opened_project(name, profile, std::move(*lists));
    if (!setup_only) offer_recovery(name);
    return true;
}

void MainWindow::show_opened_project(const fs::path& name, const ProfileFile& profile,
                                     std::vector<std::vector<std::string>> lists) {
    // 3-4: nothing of the old project stays.
    reset_without_asking();
    adopt_opening_lock();
    set_change_flags(false);
    form_.set_text("Load_Save_File_Edit", name.string());
    // 6: project texts, the vertical circle and the lists.
    Form& setup = setup_.form();
    for (const char* text : Project_Texts) setup.set_text(text, profile.text(Master_Section, text));
    // A project of an earlier version keeps no precisions: the defaults.
    for (const PrecisionSetting& setting : precision_settings())
        setup_.precisions().show_stored(setting, profile.text(Master_Section, setting.field));
    fill_project_details(form_, setup);
    for (const char* circle : Vertical_Circles)
        setup.set_checked(circle, profile.boolean(Master_Section, circle, std::string(circle) == "Zenith_RadioButton"));
    choose_one_vertical_circle(setup);
    for (size_t n = 0; n < side_files().size(); ++n) {
        const SideFile& side = side_files()[n];
        (side.main_window ? form_ : setup).set_items(side.list, std::move(lists[n]));
    }
    if (!form_.checked("Load_Settings_From_Another_Project_CheckBox"))
        start_journal(name, journal_.kept() ? journal::base_of(name) : std::string());
    // 9-11
    after_open_or_save(name);
    fill_all_choices(form_, setup);
    if (!form_.checked("Load_Settings_From_Another_Project_CheckBox")) {
        display();
        report_unreachable_cable_sags();
    }
    form_.set_checked("Data_Changed_Since_Load_CheckBox", false);
    setup.set_checked("Settings_Data_Changed_CheckBox", false);
    update_recent_projects();
}

void MainWindow::report_unreachable_cable_sags() {
    const UnreachableCableSags unreachable = unreachable_cable_sags(form_, setup_.form());
    const fs::path master = form_.text("Load_Save_File_Edit");
    if (unreachable.without_sag_span > 0)
        port_.message(MessageKind::Warning, Buttons::OK,
                      "Warning : " + std::to_string(unreachable.without_sag_span) +
                          " Cable Sag(s) of this project cannot be shown: their Sag-Span is not in the sag-span file " +
                          side_file_path(master, ".spd").filename().string() +
                          ", which may have been cut short.\n\r\n\rThey are kept with the project.  Restore the "
                          "sag-span file from a copy of the project to reach them again.");
    if (unreachable.without_setup_entry > 0)
        port_.message(MessageKind::Warning, Buttons::OK,
                      "Warning : " + std::to_string(unreachable.without_setup_entry) +
                          " Cable Sag(s) of this project cannot be shown: their Structure Type, Cable Position "
                          "or Cable Name is not in the lists.\n\r\n\rThey are kept with the project.  Add the missing "
                          "entries in Setup to reach them again.");
}

std::optional<std::vector<std::vector<std::string>>> MainWindow::read_side_files(const fs::path& master,
                                                                                  const ProfileFile& profile,
                                                                                  bool& damaged) {
    std::vector<std::vector<std::string>> lists;
    std::string warnings;
    for (const SideFile& side : side_files()) {
        // Window events run while large files are read, but no user input.
        const fs::path file = side_file_path(master, side.extension);
        SideFileContents contents =
            read_side_file(file, [this](std::uintmax_t, std::uintmax_t) { port_.process_events(); });
        if (!contents.refused.empty()) {
            refuse_side_file(master, file, contents.refused);
            return std::nullopt;
        }
        lists.push_back(std::move(contents.lines));
        std::string stored = profile.text(Master_Section, side.crc_key);
        if (!stored.empty() && stored != contents.crc)
            warnings += side_file_warning_line(side, file, master, contents.crc);
    }
    if (warnings.empty()) return lists;
    Answer answer = port_.warn(Buttons::YesNo,
        "Warning: The following data has been modified or tampered with outside of this program and may now be "
        "corrupt : \n\r" + warnings + "\n\rLoading corrupted data may cause this program to crash or behave strangely. "
        "\n\r\n\rDo you want to attempt to load the data anyway and risk this ?");
    if (answer != Answer::Yes) return std::nullopt;
    damaged = true;
    return lists;
}

void MainWindow::after_open_or_save(const fs::path& master) {
    form_.set_text("Load_Save_Directory_Edit", folder_with_separator(fs::absolute(master).parent_path().string()));
    set_window_caption("Vortan 3.3 - " + master.stem().string() + (read_only_ ? " (read-only)" : "") +
                       (opened_damaged_ ? " (opened with damaged files)" : ""));
    form_.set_text("Theodolite_Type_Edit", vertical_circle_name(setup_.form()));
}

void MainWindow::Save_OptionClick() {
    if (form_.text("Load_Save_File_Edit").empty()) {
        Save_As_OptionClick();
        return;
    }
    if (refused_read_only_save()) return;
    if (!may_replace_shared_side_files(form_.text("Load_Save_File_Edit"))) return;
    save_project();
}

void MainWindow::Save_As_OptionClick() {
    // Until a save succeeds, nothing counts as saved (the exit asks this flag).
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", false);
    FileDialogRequest request{"Save Project As ...", Project_File_Filter, form_.text("Load_Save_Directory_Edit"), "", false};
    auto chosen = port_.save_file(request);
    if (!chosen) return;
    fs::path master = *chosen;
    if (!is_master_file_name(master)) master += ".vtn";
    std::error_code error;
    if (fs::path full = fs::absolute(master, error); !error) master = full;
    // A name that differs only in letter case is the same project.
    const SpellingAnswer spelling = ask_about_other_spelling(master);
    if (spelling == SpellingAnswer::Declined) return;
    if (spelling == SpellingAnswer::NotAsked && fs::exists(master, error) &&
        port_.warn(Buttons::YesNo,
                      "Warning : The project " + master.string() + " already exists.\n\r\n\rReplace it ?") != Answer::Yes)
        return;
    if (!may_replace_shared_side_files(master)) return;
    std::string previous = form_.text("Load_Save_File_Edit");
    form_.set_text("Load_Save_File_Edit", master.string());
    if (!save_project()) form_.set_text("Load_Save_File_Edit", previous);
    saving_lock_.release();  // a name not saved to is not this window's to hold
}

bool MainWindow::drop_orphan_cable_sags() {
    const int count = span_count();
    std::vector<std::string> kept;
    for (const std::string& record : form_.items("Cable_Bundle_Record_Listbox")) {
        auto span = record_integer(record, 1);
        if (span && *span >= 1 && *span <= count) kept.push_back(record);
    }
    size_t orphans = form_.items("Cable_Bundle_Record_Listbox").size() - kept.size();
    if (orphans == 0) return true;
    Answer answer = port_.warn(Buttons::YesCancel,
                                  "Warning : " + std::to_string(orphans) +
                                      " Cable Sag(s) belong to no Sag-Span and cannot be saved with the project."
                                      "\n\r\n\rDrop them and save the project ?");
    if (answer != Answer::Yes) return false;
    form_.set_items("Cable_Bundle_Record_Listbox", std::move(kept));
    return true;
}

bool MainWindow::save_project() {
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", false);
    if (!may_save_to(form_.text("Load_Save_File_Edit"))) return false;
    // Edits still on screen belong to the project being saved.
    if (form_.checked("Span_Data_Changed_CheckBox") || form_.checked("Cable_Data_Changed_CheckBox")) {
        CalcContext c = context();
        if (Check_Sag_Span_Entry(c, /*allow_blank=*/true) == "F") return false;
        preserve_question();
        if (form_.checked("Cable_Data_Changed_CheckBox") && !form_.checked("User_Declined_Preserve_CheckBox")) return false;
    }
    if (!drop_orphan_cable_sags()) return false;
    const fs::path master = form_.text("Load_Save_File_Edit");
    ProfileFile profile;
    profile.set(Master_Section, "Settings_Data_Format_Version", std::to_string(Settings_Data_Format_Version));
    profile.set(Master_Section, "Span_Cable_Data_Format_Version", std::to_string(Span_Cable_Data_Format_Version));
    for (const char* text : Project_Texts) profile.set(Master_Section, text, setup_.form().text(text));
    for (const PrecisionSetting& setting : precision_settings())
        profile.set(Master_Section, setting.field, setup_.precisions().stored(setting));
    storage::SaveSet set;
    set.files.push_back({master, ""});
    std::vector<storage::FileContent>& files = set.files;
    for (const SideFile& side : side_files()) {
        const Form& owner = side.main_window ? form_ : setup_.form();
        std::string bytes = side_file_bytes(owner.items(side.list));
        // A side file found in another letter case is the one replaced.
        const fs::path path = side_file_path(master, side.extension);
        if (side.only_when_used && bytes.empty()) {
            // Out of the set with the save: what it held must not come back.
            if (files_->exists(path)) set.leaving.push_back(path);
            continue;
        }
        profile.set(Master_Section, side.crc_key, bytes.empty() ? "0" : crc_text(crc32(bytes.data(), bytes.size())));
        files.push_back({path, std::move(bytes)});
    }
    // Exactly one circle is written as the one in use.
    std::string circle = vertical_circle_name(setup_.form());
    if (circle == "Unknown") circle = "Zenith";
    for (const char* key : Vertical_Circles) profile.set(Master_Section, key, std::string(key) == circle + "_RadioButton" ? "1" : "0");
    files.front().bytes = master_file_bytes(profile);
    // The journal goes only once the saved set is on the disk: until then it
    // still belongs to the project there.
    if (!journal_.file().empty()) set.remove_after.push_back(journal_.file());
    const std::string failure = storage::save_file_set(*files_, set);
    if (!failure.empty()) {
        port_.message(MessageKind::Error, Buttons::OK,
                      "Error : The project could not be saved.\n\r\n\r" + failure +
                          "\n\r\n\rThe project on disk and its recovery journal are as they were.  Free space on "
                          "the disk or make its folder writable and save again, or save the project in another "
                          "place with Save As.");
        return false;
    }
    set_change_flags(false);
    setup_.form().set_checked("Settings_Data_Changed_CheckBox", false);
    adopt_saving_lock(master);
    start_journal(master, crc_text(crc32(files.front().bytes.data(), files.front().bytes.size())));
    form_.set_checked("User_Saved_Data_When_Prompted_CheckBox", true);
    opened_damaged_ = false;
    after_open_or_save(master);
    update_recent_projects();
    return true;
}

void MainWindow::update_recent_projects() {
    // The captions are the paths as they are: an "&" in one is part of the path.
    const std::string project = form_.text("Load_Save_File_Edit");
    std::array<std::string, 5> entries;
    for (size_t n = 0; n < entries.size(); ++n)
        entries[n] = form_.control("Last_Used_File_" + std::to_string(n + 1)).caption;
    // The same project reached by another spelling of its path is one entry.
    auto found = std::find_if(entries.begin(), entries.begin() + 4,
                              [&](const std::string& entry) { return same_project_path(entry, project); });
    if (found != entries.begin()) {
        // The entries above the match (or all but the last) move down one place.
        auto end = found == entries.begin() + 4 ? entries.end() - 1 : found;
        std::move_backward(entries.begin(), end, end + 1);
        entries[0] = project;
    }
    set_recent_entries(entries);
}

}  // namespace vortan
