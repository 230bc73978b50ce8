// What the readers, the run and the methods act on: the main window's controls,
// the setup editor's (units, code names), the user and the number format.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "ui/userport.h"

namespace vortan {

enum class Quantity;  // calc/unit_conversion.h

struct CalcContext {
    Form& form;         // the main window
    const Form& setup;  // the setup editor
    UserPort& port;
    const NumberFormat& numbers;

    bool imperial() const;
    // Calculating without messages.
    bool quiet() const;
    void write(const std::string& field, double value, const char* pattern) {
        form.set_text(field, format_number(value, pattern, numbers));
    }
    // A result a cable-sag record keeps (a sag in the units in force): shown
    // with the pattern, and stored as the metric display rounds it, so that
    // the record is the same whatever the units and separators in force.
    void write_result(const std::string& field, double value, Quantity kind, const char* pattern);
};

}  // namespace vortan
