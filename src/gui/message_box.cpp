#include "gui/message_box.h"

#include <QPushButton>

namespace vortan::gui {

QString message_title(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QStringLiteral("Confirmation");
    }
    return {};
}

QMessageBox::Icon message_icon(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons message_buttons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK: return QMessageBox::Ok;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesCancel: return QMessageBox::Yes | QMessageBox::Cancel;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::YesCancelYesToAll:
        return QMessageBox::Yes | QMessageBox::Cancel | QMessageBox::YesToAll;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton escape_button(Buttons buttons) {
    const QMessageBox::StandardButtons set = message_buttons(buttons);
    if (set.testFlag(QMessageBox::Cancel)) return QMessageBox::Cancel;
    if (set.testFlag(QMessageBox::No)) return QMessageBox::No;
    return QMessageBox::Ok;
}

Answer answer_of(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::YesToAll: return Answer::YesToAll;
    default: return Answer::OK;
    }
}

QString message_display_text(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return shown;
}

Answer show_message_box(QWidget* parent, MessageKind kind, Buttons buttons, const std::string& text,
                        DefaultButton default_button) {
    QMessageBox box(message_icon(kind), message_title(kind), message_display_text(text),
                    message_buttons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    // The first button is the default, as on the desktop the texts were written
    // for, unless Yes would destroy work.
    if (buttons == Buttons::OK) box.setDefaultButton(QMessageBox::Ok);
    else box.setDefaultButton(default_button == DefaultButton::Safe ? escape_button(buttons) : QMessageBox::Yes);
    box.setEscapeButton(escape_button(buttons));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return answer_of(escape_button(buttons));
    return answer_of(box.standardButton(clicked));
}

}  // namespace vortan::gui
