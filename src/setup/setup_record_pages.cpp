// The inspector and code-name pages: one record at a time, committed by the
// rules of the setup lists, with Previous and Next and the question that keeps
// changed fields from being dropped unasked.
#include "project/record_fields.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "setup/setup_record_fields.h"

namespace vortan {

// What the two record pages share, so that navigation is written once.
struct SetupEditor::RecordPage {
    const char* number;
    const char* list;
    const char* changed;
    const char* validated;
    const char* previous_button;
    const char* keep_question;
    const char* none_before;
    const char* none_after;
    void (SetupEditor::*show)();
    void (SetupEditor::*commit)();
    void (SetupEditor::*clear)();
};

void SetupEditor::show_inspector() {
    const int number = form_.value("Inspector_Number_SpinEdit");
    const auto& records = form_.items(setup_list::Inspectors);
    for (size_t i = 0; i < std::size(Inspector_Fields); ++i) {
        const bool exists = number >= 1 && number <= static_cast<int>(records.size());
        form_.set_text(Inspector_Fields[i],
                       exists ? record_field(records[static_cast<size_t>(number - 1)], static_cast<int>(i) + 1) : "");
    }
    form_.set_checked("Inspector_Changed_CheckBox", false);
    form_.set_caption("Inspector_Data_Count_Label", inspector_count_text(number, static_cast<int>(records.size())));
}

void SetupEditor::commit_inspector() {
    InspectorFields fields;
    for (size_t i = 0; i < fields.size(); ++i) fields[i] = form_.text(Inspector_Fields[i]);
    SetupLists lists(form_, *port_);
    const bool valid = lists.check_inspector(fields);
    form_.set_checked("Inspector_Validated_CheckBox", valid);
    if (!valid || !form_.checked("Inspector_Changed_CheckBox")) return;
    lists.store_inspector(form_.value("Inspector_Number_SpinEdit"), fields);
    update_count_labels();
    form_.set_checked("Inspector_Changed_CheckBox", false);
    form_.set_checked("Settings_Data_Changed_CheckBox", true);
}

void SetupEditor::show_code_name() {
    const int number = form_.value("Code_Name_SpinEdit");
    const auto& records = form_.items(setup_list::Code_Names);
    CodeNameEntry entry;
    if (number >= 1 && number <= static_cast<int>(records.size()) && numbers_)
        entry = code_name_entry_of(records[static_cast<size_t>(number - 1)], imperial(), *numbers_);
    const std::string* texts[] = {&entry.name, &entry.construction, &entry.stranding};
    for (size_t i = 0; i < std::size(texts); ++i) form_.set_text(Code_Name_Fields[i], *texts[i]);
    form_.set_shown("Cable_Mass_Edit", entry.mass, entry.stored_mass);
    form_.set_shown("Cable_Diameter_Edit", entry.diameter, entry.stored_diameter);
    form_.set_checked("Code_Name_Changed_CheckBox", false);
    form_.set_caption("Cable_Data_Count_Label", cable_count_text(number, static_cast<int>(records.size())));
}

void SetupEditor::commit_code_name() {
    CodeNameEntry entry{form_.text("Code_Name_Name_Edit"), form_.text("Cable_Construction_Type_Edit"),
                        form_.text("Cable_Stranding_Edit"), form_.text("Cable_Mass_Edit"),
                        form_.text("Cable_Diameter_Edit"),    form_.source("Cable_Mass_Edit"),
                        form_.source("Cable_Diameter_Edit")};
    SetupLists lists(form_, *port_);
    const bool valid = lists.check_code_name(form_.value("Code_Name_SpinEdit"), entry, imperial(), *numbers_);
    // A default mass the user accepted shows in its field.
    form_.set_text("Cable_Mass_Edit", entry.mass);
    form_.set_checked("Code_Name_Validated_CheckBox", valid);
    if (!valid) return;
    if (!form_.checked("Code_Name_Changed_CheckBox")) return;
    lists.store_code_name(form_.value("Code_Name_SpinEdit"), entry, imperial(), *numbers_);
    update_count_labels();
    form_.set_checked("Code_Name_Changed_CheckBox", false);
    form_.set_checked("Settings_Data_Changed_CheckBox", true);
}

void SetupEditor::ask_to_keep(const RecordPage& page) {
    if (!form_.checked(page.changed)) {
        form_.set_checked(page.validated, true);
        return;
    }
    if (port_->message(MessageKind::Warning, Buttons::YesNo, page.keep_question) == Answer::Yes) {
        (this->*page.commit)();
    } else {
        form_.set_checked(page.validated, true);
        (this->*page.clear)();
    }
}

void SetupEditor::save_changed_data() {
    if (!port_) return;
    ask_to_keep(*inspector_page());
    ask_to_keep(*code_name_page());
    for (const RecordPage* page : {inspector_page(), code_name_page()})
        if (form_.checked(page->validated)) form_.set_checked(page->changed, false);
}

void SetupEditor::set_number(const RecordPage& page, int number) {
    form_.set_value(page.number, number);
    form_.set_enabled(page.previous_button, number > 1);
    (this->*page.show)();
}

void SetupEditor::previous(const RecordPage& page) {
    save_changed_data();
    if (!form_.checked(page.validated)) return;
    const int number = form_.value(page.number);
    if (number > 1)
        set_number(page, number - 1);
    else
        port_->message(MessageKind::Error, Buttons::OK, page.none_before);
}

void SetupEditor::next(const RecordPage& page) {
    save_changed_data();
    if (!form_.checked(page.validated)) return;
    const int number = form_.value(page.number);
    if (number > static_cast<int>(form_.items(page.list).size()))
        port_->message(MessageKind::Error, Buttons::OK, page.none_after);
    else
        set_number(page, number + 1);  // past the last: empty fields for a new record
}

void SetupEditor::Previous_Inspector_BitBtnClick() { previous(*inspector_page()); }
void SetupEditor::Next_Inspector_BitBtnClick() { next(*inspector_page()); }
void SetupEditor::Previous_Code_Name_BitBtnClick() { previous(*code_name_page()); }
void SetupEditor::Next_Code_Name_BitBtnClick() { next(*code_name_page()); }

void SetupEditor::clear_inspector_fields() {
    for (const char* field : Inspector_Fields) form_.set_text(field, "");
}

void SetupEditor::clear_code_name_fields() {
    for (const char* field : Code_Name_Fields) form_.set_text(field, "");
}

const SetupEditor::RecordPage* SetupEditor::inspector_page() {
    static const RecordPage page{
        "Inspector_Number_SpinEdit", setup_list::Inspectors, "Inspector_Changed_CheckBox",
        "Inspector_Validated_CheckBox", "Previous_Inspector_BitBtn",
        "Warning : Preserve the changed Inspector details ?", "There are no more Inspectors prior to this !",
        "There are no more Inspectors after to this !", &SetupEditor::show_inspector, &SetupEditor::commit_inspector,
        &SetupEditor::clear_inspector_fields};
    return &page;
}

const SetupEditor::RecordPage* SetupEditor::code_name_page() {
    static const RecordPage page{
        "Code_Name_SpinEdit", setup_list::Code_Names, "Code_Name_Changed_CheckBox", "Code_Name_Validated_CheckBox",
        "Previous_Code_Name_BitBtn", "Warning : Preserve the changed Code Name details ?",
        "Error : There are no more Code Names prior to this !", "Error ; There are no more Code Names after this !",
        &SetupEditor::show_code_name, &SetupEditor::commit_code_name, &SetupEditor::clear_code_name_fields};
    return &page;
}

}  // namespace vortan
