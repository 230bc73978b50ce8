// A page control whose pages are chosen from the names of them all, wrapped
// in rows above the pages, instead of a tab strip: a dozen survey methods do
// not fit a strip at laptop widths, and a surveyor should see every method at
// once. The tab widget stays (its bar hidden), so the binding to the form is
// that of any page control.
#pragma once

class QTabWidget;
class QWidget;

namespace vortan::gui {

// The pane for a chooser and its page control: make it, make the page
// control in it, add every page, then call choose_pages_above.
QWidget* page_chooser_pane(QWidget* parent);
void choose_pages_above(QTabWidget* tabs);
// Copies the pages' captions, hints, enabled and visible states and the
// current page to the chooser, when `tabs` has one.
void mirror_page_chooser(QTabWidget* tabs);

}  // namespace vortan::gui
