#include "setup/precision_fields.h"

namespace vortan {

namespace {

constexpr const char* Group = "Instrument_Precision_GroupBox";

std::string unit_label_of(const PrecisionSetting& setting) {
    std::string name = setting.field;
    return name.substr(0, name.size() - std::string("_Edit").size()) + "_Units_Label";
}

std::string unit_of(const PrecisionSetting& setting, bool imperial) {
    return imperial ? setting.imperial_unit : setting.metric_unit;
}

// "Lengths and Heights :" -> "Lengths and Heights"
std::string name_of(const PrecisionSetting& setting) {
    std::string name = setting.caption;
    const size_t colon = name.rfind(" :");
    return colon == std::string::npos ? name : name.substr(0, colon);
}

std::string refusal_message(const PrecisionSetting& setting, const std::string& typed, const std::string& held,
                            const std::string& unit) {
    const std::string what = typed.empty() ? "the field was left empty" : "\"" + typed + "\" cannot be used";
    return "Error : The Instrument Precision for " + name_of(setting) + " must be a number of 0 or more; " + what +
           ".\n\r\n\rIt is set back to " + held + " " + unit +
           ", the value it held.  Type the 95 % bound of one reading, in the unit shown beside the field.";
}

}  // namespace

void add_precision_group(FormBuilder& b, const std::string& page) {
    b.container(ControlKind::GroupBox, page, Group, " Instrument Precision (95 %) : ");
    for (const PrecisionSetting& setting : precision_settings()) {
        const std::string unit = unit_label_of(setting);
        Control& edit = b.edit(Group, setting.field, setting.caption, setting.hint, unit);
        edit.source = precision_storage_text(setting, "", false, NumberFormat{});
        edit.text = precision_display_text(setting, edit.source, false, NumberFormat{});
        b.form().control(unit).caption = setting.metric_unit;
    }
    b.label(page, "Instrument_Precision_Note_Label",
            "Each value is the 95 % bound of one reading of that kind.  The band shown with every result is worked "
            "out from them; they are kept with the project.");
}

const PrecisionSetting* precision_setting_of(const std::string& field) {
    for (const PrecisionSetting& setting : precision_settings())
        if (field == setting.field) return &setting;
    return nullptr;
}

PrecisionFields::PrecisionFields(Form& form) : form_(form) {
    for (const PrecisionSetting& setting : precision_settings())
        held_[setting.field] = precision_storage_text(setting, "", false, NumberFormat{});
}

void PrecisionFields::wire() {
    // A precision typed is a change to the project, as a project text is.
    for (const PrecisionSetting& setting : precision_settings())
        form_.control(setting.field).on_change = [this] {
            if (!showing_) form_.set_checked("Settings_Data_Changed_CheckBox", true);
        };
}

bool PrecisionFields::imperial() const { return form_.item_index("Units_of_Measure_RadioGroup") == 1; }

const NumberFormat& PrecisionFields::numbers() const {
    static const NumberFormat plain;
    return numbers_ ? *numbers_ : plain;
}

std::string PrecisionFields::typed_metric(const PrecisionSetting& setting, bool imperial) const {
    const std::string& text = form_.text(setting.field);
    if (!precision_value(text, numbers())) return "";
    return precision_storage_text(setting, text, imperial, numbers());
}

std::string PrecisionFields::stored(const PrecisionSetting& setting) const {
    const std::string& source = form_.source(setting.field);
    if (!source.empty()) return source;
    const std::string typed = typed_metric(setting, shown_imperial_);
    return typed.empty() ? held_.at(setting.field) : typed;
}

void PrecisionFields::show(const PrecisionSetting& setting, const std::string& stored) {
    showing_ = true;
    form_.set_shown(setting.field, precision_display_text(setting, stored, shown_imperial_, numbers()), stored);
    showing_ = false;
}

void PrecisionFields::show_stored(const PrecisionSetting& setting, const std::string& stored) {
    // Stored as written, or the default: the field then stands for exactly
    // the text the file keeps, which a save writes back unrounded.
    const std::string metric = precision_storage_text(setting, stored, false, NumberFormat{});
    show(setting, metric);
    held_[setting.field] = metric;
}

void PrecisionFields::show_defaults() {
    for (const PrecisionSetting& setting : precision_settings()) show_stored(setting, "");
}

void PrecisionFields::hold() {
    for (const PrecisionSetting& setting : precision_settings()) {
        // Shown afresh from what it stands for, with the decimal mark in force.
        if (const std::string source = form_.source(setting.field); !source.empty()) show(setting, source);
        if (!form_.source(setting.field).empty() || !typed_metric(setting, shown_imperial_).empty())
            held_[setting.field] = stored(setting);
    }
}

void PrecisionFields::units_changed() {
    const bool from_imperial = shown_imperial_;
    shown_imperial_ = imperial();
    for (const PrecisionSetting& setting : precision_settings()) {
        form_.set_caption(unit_label_of(setting), unit_of(setting, shown_imperial_));
        if (!setting.quantity || from_imperial == shown_imperial_) continue;
        // Through the metric value, so that switching back shows what was typed.
        const std::string source = form_.source(setting.field);
        const std::string metric = !source.empty() ? source : typed_metric(setting, from_imperial);
        if (!metric.empty()) show(setting, metric);  // an unreadable text waits to be refused
    }
}

bool PrecisionFields::accept_typed(UserPort& port) {
    for (const PrecisionSetting& setting : precision_settings()) {
        const std::string typed = form_.text(setting.field);
        if (!form_.source(setting.field).empty() || precision_value(typed, numbers())) {
            held_[setting.field] = stored(setting);
            continue;
        }
        const std::string held = held_.at(setting.field);
        show(setting, held);
        port.message(MessageKind::Error, Buttons::OK,
                     refusal_message(setting, typed, form_.text(setting.field), unit_of(setting, shown_imperial_)));
        form_.set_focus(setting.field);
        return false;
    }
    return true;
}

}  // namespace vortan
