#include "gui/setup_editor_dialog.h"

#include "gui/form_binder.h"
#include "gui/form_view.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vortan::gui {

SetupEditorDialog::SetupEditorDialog(SetupEditor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("TSettings_Form"));
    setWindowTitle(QStringLiteral("Vortan Settings :"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(build_form_view(editor.form(), this));
    binder_ = new FormBinder(editor.form(), this);
    // F1: the help of the page on show, as the Help button gives it.
    auto* page_help = new QAction(this);
    page_help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(page_help, &QAction::triggered, this, [this] { editor_.form().user_click("Setup_Help_BitBtn"); });
    addAction(page_help);
    editor.on_close = [this] {
        agreed_ = true;
        accept();
    };
}

void SetupEditorDialog::run(DialogSize& size) {
    size_for_opening(size.width > 0 && size.height > 0 ? std::optional(size) : std::nullopt);
    exec();
    size = DialogSize{width(), height()};
}

void SetupEditorDialog::size_for_opening(std::optional<DialogSize> remembered) {
    QSize wanted = remembered ? QSize(remembered->width, remembered->height) : size_showing_every_page();
    // A size kept from a larger screen, or a first size larger than this one,
    // still opens whole; the pages scroll within it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 19 / 20);
    setMinimumSize(minimumSizeHint().boundedTo(wanted).boundedTo(QSize(480, 360)));
    resize(wanted);
}

QSize SetupEditorDialog::size_showing_every_page() {
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("Settings_PageControl"));
    if (!tabs) return sizeHint();
    resize(sizeHint());
    layout()->activate();
    QSize content;
    for (QScrollArea* page : tabs->findChildren<QScrollArea*>())
        if (page->widget()) content = content.expandedTo(page->widget()->sizeHint());
    const QSize page_area = tabs->currentWidget() ? tabs->currentWidget()->size() : QSize();
    const QSize wanted = size() + (content - page_area).expandedTo(QSize(0, 0)) + QSize(4, 4);
    // A page of long option texts would make it wider than any screen needs.
    return wanted.boundedTo(QSize(960, 640));
}

void SetupEditorDialog::reject() {
    if (agreed_ || editor_.close_requested()) QDialog::reject();
}

}  // namespace vortan::gui
