// The start-up window: the program's name and version while the main window
// comes up. Two seconds after the main window first shows, it closes when the
// user asked not to see it again; otherwise it stays as a small welcome dialog
// with a close button and that check box, which the settings file keeps.
#pragma once

#include "form/form.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vortan::gui {

class StartupWindow final : public QDialog {
public:
    static constexpr int Delay_Milliseconds = 2000;

    // main_form holds the "don't show this again" mark.
    StartupWindow(Form& main_form, QWidget* parent = nullptr);

    // Shows the window without waiting for it and arms its timer.
    void start();
    // The timer's end: close, or turn into the welcome dialog.
    void timer_fired();

private:
    Form& main_form_;
    QLabel* welcome_;
    QCheckBox* dont_show_again_;
    QPushButton* close_;
};

}  // namespace vortan::gui
