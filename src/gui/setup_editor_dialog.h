// The setup editor on screen: a modal dialog over the editor's form, closed
// only when the editor agrees.
#pragma once

#include "project/program_settings.h"
#include "setup/setup_editor.h"

#include <QDialog>

namespace vortan::gui {

class FormBinder;

class SetupEditorDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SetupEditorDialog(SetupEditor& editor, QWidget* parent = nullptr);

    FormBinder& binder() const { return *binder_; }
    // Opens modal at `size` (the first time, none: at a size that shows its
    // largest page whole) and leaves in it the size the user closed it at.
    void run(DialogSize& size);
    // Sizes the window for opening: `remembered` within the screen, or else
    // the size that shows the largest page whole.
    void size_for_opening(std::optional<DialogSize> remembered);

public slots:
    // Escape and the close box ask the editor first, as its OK button does.
    void reject() override;

private:
    QSize size_showing_every_page();

    SetupEditor& editor_;
    FormBinder* binder_;
    bool agreed_ = false;
};

}  // namespace vortan::gui
