// One named control of a form: the state the program reads and writes of it.
#pragma once

#include "form/items_change.h"

#include <functional>
#include <string>
#include <vector>

namespace vortan {

enum class ControlKind {
    Edit,
    CheckBox,
    RadioButton,
    ComboBox,
    ListBox,
    RadioGroup,
    SpinEdit,
    PageControl,
    Page,      // one tab of a page control; its caption is the tab text
    GroupBox,  // a captioned frame that holds other controls
    Panel,     // an uncaptioned container (also the cover panels)
    StringGrid,  // items are its rows, each row's cells followed by a TAB
    Label,
    Button,
    MenuItem,
    StatusBar,  // the window's status line, built with its menus, not its fields
    Drawing,    // a picture drawn from its items, one shape a line (see diagram/span_diagram.h)
};

// What changed, so a view knows which widget property to refresh.
enum class Property {
    Text,
    Caption,
    Hint,
    Enabled,
    Visible,
    ReadOnly,
    Checked,
    Items,
    ItemIndex,
    Value,
    ActivePage,
    Focus,
};

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Edit;
    std::string parent;       // name of the container control, empty at the top level
    std::string caption;      // button, label, group and page text; an edit's leading label
    // The caption is data shown as written (a file path): an "&" in it marks
    // no mnemonic key.
    bool plain_caption = false;
    std::string hint;
    std::string shortcut;     // menu item: its key, written as "Ctrl+O" or "F5"
    std::string unit_label;   // name of the unit label shown after an edit, if any
    bool on_screen = true;    // false for hidden state (flags, scratch fields, record lists)
    bool covers_parent = false;  // a panel laid over the whole of its container, in front
    bool docked = false;         // a top-level panel the window shows in a side dock, not among its fields
    // Layout hint: to the right of the previous control, not below it. An edit
    // joins the previous field's row; any other control starts a column beside
    // the controls before it, and the next control without the hint goes below.
    bool beside_previous = false;
    int buttons_per_row = 0;  // layout hint for a panel of buttons: 0 puts them all in one row
    int characters = 0;       // layout hint for an edit of free text: its width in characters
    bool pages_chosen_by_name = false;  // layout hint for a page control: every page's name in sight, not a tab strip
    int heads_field = -1;     // layout hint for a label: a heading over the edits of this field (0-based) of the rows below
    bool enabled = true;
    bool visible = true;
    bool read_only = false;
    bool checked = false;
    bool sorted = false;
    std::string text;
    // The stored text a shown text was made from (a record's metric value shown
    // rounded, or in other units); dropped as soon as the text changes.
    std::string source;
    std::vector<std::string> items;  // list entries, radio group items
    ItemsChange items_change;        // what the last change of the items replaced
    int item_index = -1;             // list, combo box and radio group selection
    int value = 0;                   // spin edit value; page control: tab style (0 tabs, 1 flat, 2 buttons)
    int active_page = -1;            // page control: index among its pages, -1 none

    std::function<void()> on_change;  // text, selection, check or page changed
    std::function<void()> on_click;   // buttons and menu items
    std::function<bool()> on_changing;  // page control: may the active page be left?
};

// The caption as the user sees it. A menu item's, button's, tab's or field's
// "&" marks the mnemonic key and is not shown ("&&" shows one "&"); a label
// has no key and, like a plain caption, shows its text as written. A menu
// separator ("-") shows no text.
std::string shown_caption(const Control& control);

}  // namespace vortan
