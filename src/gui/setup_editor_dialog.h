// The setup editor on screen: a modal dialog over the editor's form, closed
// only when the editor agrees.
#pragma once

#include "setup/setup_editor.h"

#include <QDialog>

namespace vortan::gui {

class FormBinder;

class SetupEditorDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SetupEditorDialog(SetupEditor& editor, QWidget* parent = nullptr);

    FormBinder& binder() const { return *binder_; }
    // Sizes the window so that its largest page shows whole.
    void fit_pages();

public slots:
    // Escape and the close box ask the editor first, as its OK button does.
    void reject() override;

private:
    SetupEditor& editor_;
    FormBinder* binder_;
    bool agreed_ = false;
};

}  // namespace vortan::gui
