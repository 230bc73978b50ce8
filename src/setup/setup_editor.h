// The setup editor window's model: the setup lists and the project-wide and
// program-wide options it keeps for the whole run, the inspector and
// code-name pages with their record navigation, and its closing rules.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "setup/precision_fields.h"
#include "ui/userport.h"

#include <functional>
#include <string>

namespace vortan {

// Page indexes of Settings_PageControl.
namespace setup_page {
inline constexpr int Inspector_Details = 0;
inline constexpr int Cable_Details = 1;
inline constexpr int Structure_Details = 2;
inline constexpr int Theodolite_Settings = 3;
inline constexpr int Project_Details = 4;
inline constexpr int Program_Settings = 5;
}  // namespace setup_page

class SetupEditor {
public:
    SetupEditor();
    SetupEditor(const SetupEditor&) = delete;
    SetupEditor& operator=(const SetupEditor&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    bool imperial() const { return form_.item_index("Units_of_Measure_RadioGroup") == 1; }

    // The instrument precisions on the theodolite page, kept with the project.
    PrecisionFields& precisions() { return precisions_; }
    const PrecisionFields& precisions() const { return precisions_; }

    // Gives the buttons that talk to the user their handlers.
    void connect(UserPort& port, const NumberFormat& numbers);
    // Where the help is looked for, with its trailing separator.
    void set_program_folder(std::string folder) { program_folder_ = std::move(folder); }

    // Before it is shown: the first page, the records at the numbers the
    // caller set, fresh combinations and counts, every change flag clear.
    void show();
    // "OK" or the close box: false while a changed record may not be left.
    bool close_requested();
    // The view closes the window when OK is agreed to.
    std::function<void()> on_close;

    // ---- the inspector and code-name pages (setup_record_pages.cpp) ----
    void show_inspector();
    void commit_inspector();
    void show_code_name();
    void commit_code_name();
    // Offers to keep changed inspector and code-name fields.
    void save_changed_data();
    void Previous_Inspector_BitBtnClick();
    void Next_Inspector_BitBtnClick();
    void Previous_Code_Name_BitBtnClick();
    void Next_Code_Name_BitBtnClick();

private:
    struct RecordPage;
    static const RecordPage* inspector_page();
    static const RecordPage* code_name_page();
    void clear_inspector_fields();
    void clear_code_name_fields();
    void wire_handlers();
    void previous(const RecordPage& page);
    void next(const RecordPage& page);
    void set_number(const RecordPage& page, int number);
    void ask_to_keep(const RecordPage& page);
    void update_count_labels();
    void Units_of_Measure_RadioGroupClick();
    void Setup_OK_BitBtnClick();

    Form form_;
    PrecisionFields precisions_{form_};
    UserPort* port_ = nullptr;
    const NumberFormat* numbers_ = nullptr;
    std::string program_folder_;
};

}  // namespace vortan
