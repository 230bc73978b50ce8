// Keeps a form's widgets and its model in step. Model to widget: every property
// change the form reports is written into the widget under a QSignalBlocker, and
// only when the widget shows something else. Widget to model: user-only signals
// become the form's user actions, after which the widget is re-synced, so a
// change the model refuses (a page that may not be left) is undone on screen.
#pragma once

#include "form/form.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class QLabel;
class QWidget;

namespace vortan::gui {

class FormBinder final : public QObject {
    Q_OBJECT
public:
    // Binds every object under root (menus and actions included) whose
    // objectName is a control's name, and shows the model's current state.
    FormBinder(Form& form, QWidget* root);

    // The object bound to the control, or nullptr.
    QObject* object(const std::string& name) const;

private:
    void connect_user_signals(QObject* object, const std::string& name);
    void user_action(const std::string& name, const std::function<void()>& action);
    void sync(const Control& control);
    void apply(const Control& control, Property property);
    void apply_to_widget(QWidget* widget, const Control& control, Property property);

    QWidget* widget(const std::string& name) const;
    // Caption labels and the unit label of a field follow its visibility and
    // enabled state; a unit label also keeps its own.
    std::vector<QWidget*> companions(const Control& control) const;
    bool shown(const Control& control) const;
    bool usable(const Control& control) const;

    Form& form_;
    std::unordered_map<std::string, QPointer<QObject>> objects_;
    std::unordered_map<std::string, std::vector<QPointer<QLabel>>> caption_labels_;
    std::unordered_map<std::string, std::string> unit_owner_;
};

}  // namespace vortan::gui
