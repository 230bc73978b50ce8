// The main window's model: its form, its handlers under their component names,
// and the setup editor it consults.
#pragma once

#include "calc/calc_context.h"
#include "form/form.h"
#include "setup/setup_editor.h"
#include "ui/userport.h"

namespace vortan {

class MainWindow {
public:
    MainWindow(UserPort& port, SetupEditor& setup);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    SetupEditor& setup() { return setup_; }
    UserPort& port() { return port_; }

    // Separators of the system's regional settings.
    const NumberFormat& numbers() const { return numbers_; }
    void set_numbers(NumberFormat numbers) { numbers_ = std::move(numbers); }

    // The state at program start with no project: defaults in the fields,
    // unit labels of the setting in force, every change flag clear.
    void start();

    // ---- handlers ----
    void Calculate_Sag_BitBtnClick();
    void Calc_Required_Temp_BitBtnClick();
    void Cable_Bundle_Data_Changed_BitBtnClick();
    void Span_Data_Changed();
    void Calc_Method_PageControlChange();
    void Sag_New_or_Existing_RadioGroupClick();

    // The setup editor is shown, and has closed: refresh what depends on its options.
    void setup_opened();
    void setup_closed();

    CalcContext context();

private:
    void wire_handlers();
    void set_defaults();

    UserPort& port_;
    SetupEditor& setup_;
    NumberFormat numbers_;
    Form form_;
    int units_when_setup_opened_ = 0;
};

}  // namespace vortan
