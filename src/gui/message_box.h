// The program's message boxes as QMessageBox: titles and icons by kind, button
// sets, and what Esc or closing the box answers.
#pragma once

#include "ui/userport.h"

#include <QMessageBox>
#include <QString>

#include <string>

namespace vortan::gui {

QString message_title(MessageKind kind);
QMessageBox::Icon message_icon(MessageKind kind);
QMessageBox::StandardButtons message_buttons(Buttons buttons);
// Cancel where there is one, otherwise No, otherwise OK.
QMessageBox::StandardButton escape_button(Buttons buttons);
Answer answer_of(QMessageBox::StandardButton button);
// Message texts break lines with a "\n\r" pair; Qt wants one line break.
QString message_display_text(const std::string& text);

// Shows the box modally and returns the button pressed.
Answer show_message_box(QWidget* parent, MessageKind kind, Buttons buttons, const std::string& text,
                        DefaultButton default_button = DefaultButton::Yes);

}  // namespace vortan::gui
