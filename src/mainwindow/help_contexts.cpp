#include "mainwindow/help_contexts.h"

#include <map>

namespace vortan {

namespace {

// A method page's topic follows its place among the method tabs.
int method_page_topic(const Form& form, const std::string& page) {
    int index = 0;
    for (const Control* child : form.children("Calc_Method_PageControl")) {
        if (child->kind != ControlKind::Page) continue;
        if (child->name == page) return help_topic::First_Method + index;
        ++index;
    }
    return -1;
}

int own_topic(const Form& form, const Control& control) {
    static const std::map<std::string, int> topics = {
        {"Project_Details_GroupBox", help_topic::Project_Details},
        {"Top_Buttons_GroupBox", help_topic::Commands},
        {"Sag_Span_Details_TabSheet", help_topic::Sag_Spans},
        {"Cable_Sag_Details_TabSheet", help_topic::Cable_Sags},
        {"Check_or_Sag_GroupBox", help_topic::Sagging_Schedule},
        {"Actual_Cable_Temperature_Edit", help_topic::Sagging_Schedule},
        {"Sag_Aids_Panel", help_topic::Span_Diagram},
        {"Accuracy_Notes_Label", help_topic::Accuracy_Notes},
        {"Sag_Tolerance_GroupBox", help_topic::Sag_Tolerance},
    };
    if (auto found = topics.find(control.name); found != topics.end()) return found->second;
    if (control.kind == ControlKind::Page && control.parent == "Calc_Method_PageControl")
        return method_page_topic(form, control.name);
    return -1;
}

}  // namespace

int help_context(const Form& form, const std::string& control) {
    for (std::string name = control; !name.empty() && form.has(name);) {
        const Control& c = form.control(name);
        if (const int topic = own_topic(form, c); topic >= 0) return topic;
        name = c.parent;
    }
    return help_topic::Contents;
}

}  // namespace vortan
