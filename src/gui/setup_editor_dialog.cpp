#include "gui/setup_editor_dialog.h"

#include "gui/form_binder.h"
#include "gui/form_view.h"

#include <QVBoxLayout>

namespace vortan::gui {

SetupEditorDialog::SetupEditorDialog(SetupEditor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("TSettings_Form"));
    setWindowTitle(QStringLiteral("Vortan Settings :"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(build_form_view(editor.form(), this));
    binder_ = new FormBinder(editor.form(), this);
    editor.on_close = [this] {
        agreed_ = true;
        accept();
    };
}

void SetupEditorDialog::reject() {
    if (agreed_ || editor_.close_requested()) QDialog::reject();
}

}  // namespace vortan::gui
