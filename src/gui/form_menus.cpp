#include "gui/form_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace vortan::gui {

namespace {

std::vector<const Control*> menu_children(const Form& form, const std::string& parent) {
    std::vector<const Control*> items;
    for (const Control* c : form.children(parent))
        if (c->kind == ControlKind::MenuItem && c->on_screen) items.push_back(c);
    return items;
}

QAction* make_action(const Control& item, QObject* parent) {
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromStdString(item.name));
    // A "-" caption is the classic way of writing a separator line. The line
    // gets no text: some styles show a separator's text as a heading.
    if (item.caption == "-") action->setSeparator(true);
    else action->setText(menu_text(item));
    // "A; B": two keys for one command, the first shown in the menu.
    if (!item.shortcut.empty()) action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(item.shortcut)));
    return action;
}

void fill_menu(const Form& form, QMenu* menu, const std::string& parent) {
    for (const Control* item : menu_children(form, parent)) {
        if (menu_children(form, item->name).empty()) {
            menu->addAction(make_action(*item, menu));
            continue;
        }
        auto* sub = new QMenu(menu_text(*item), menu);
        sub->setObjectName(QString::fromStdString(item->name));
        menu->addMenu(sub);
        fill_menu(form, sub, item->name);
    }
}

}  // namespace

QString menu_text(const Control& item) {
    QString text = QString::fromStdString(item.caption);
    if (item.plain_caption) text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

void build_form_menus(const Form& form, QMenuBar* bar) {
    for (const Control* item : menu_children(form, "")) {
        if (menu_children(form, item->name).empty()) {
            bar->addAction(make_action(*item, bar));
            continue;
        }
        auto* menu = new QMenu(menu_text(*item), bar);
        menu->setObjectName(QString::fromStdString(item->name));
        bar->addMenu(menu);
        fill_menu(form, menu, item->name);
    }
}

}  // namespace vortan::gui
