// The instrument precisions on the setup editor's theodolite page: their
// layout, the metric text each field stands for, their display in the units
// in force, and the refusal of a value that is no precision.
#pragma once

#include "calc/precision/instrument_precision.h"
#include "form/form_builder.h"
#include "ui/userport.h"

#include <map>
#include <string>

namespace vortan {

// The group of the seven fields, each with its unit label, and the note under it.
void add_precision_group(FormBuilder& b, const std::string& page);

// The setting a field shows, or nothing for any other field.
const PrecisionSetting* precision_setting_of(const std::string& field);

class PrecisionFields {
public:
    explicit PrecisionFields(Form& form);
    // Once the fields exist: typing into one marks the setup changed.
    void wire();

    void set_numbers(const NumberFormat* numbers) { numbers_ = numbers; }

    // The metric text ("." as decimal point) a master file keeps for the
    // setting: what its field shows, or what it held before an unreadable text.
    std::string stored(const PrecisionSetting& setting) const;
    // Shows a stored text (the default when it is empty or unreadable) in the
    // units in force. The project does not count as changed by it.
    void show_stored(const PrecisionSetting& setting, const std::string& stored);
    void show_defaults();

    // As the editor opens: the fields shown with the decimal mark in force,
    // and what they show is what a refused value is set back to.
    void hold();
    // The units of measure changed: every field and unit label in the new ones.
    void units_changed();
    // Refuses the first field that holds no number of 0 or more: the error,
    // and the field set back to what it held. False when one was refused.
    bool accept_typed(UserPort& port);

private:
    bool imperial() const;
    const NumberFormat& numbers() const;
    void show(const PrecisionSetting& setting, const std::string& stored);
    std::string typed_metric(const PrecisionSetting& setting, bool imperial) const;

    Form& form_;
    const NumberFormat* numbers_ = nullptr;
    std::map<std::string, std::string> held_;  // field -> metric text
    bool shown_imperial_ = false;              // the units the fields are shown in
    bool showing_ = false;                     // a program change, not the user's
};

}  // namespace vortan
