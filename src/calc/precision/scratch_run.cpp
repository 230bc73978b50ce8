#include "calc/precision/scratch_run.h"

#include "calc/method_table.h"

namespace vortan {

namespace {

bool copied(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::ComboBox:
    case ControlKind::RadioGroup:
    case ControlKind::SpinEdit:
    case ControlKind::PageControl:
    case ControlKind::Page:
    case ControlKind::GroupBox:
    case ControlKind::Panel: return true;
    default: return false;
    }
}

}  // namespace

ScratchRun::ScratchRun(const Form& live) : form_(std::make_unique<Form>()) {
    for (const Control* control : live.controls()) {
        if (!copied(control->kind)) continue;
        // A copied control hangs at the top when its container is not copied.
        const bool parent_kept = !control->parent.empty() && form_->has(control->parent);
        form_->add(control->kind, control->name, parent_kept ? control->parent : "");
    }
    copy(live);
}

void ScratchRun::copy(const Form& live) {
    for (Control* scratch : form_->controls()) {
        const Control& from = live.control(scratch->name);
        scratch->text = from.text;
        scratch->source = from.source;
        scratch->checked = from.checked;
        scratch->item_index = from.item_index;
        scratch->value = from.value;
        scratch->active_page = from.active_page;
        if (scratch->kind == ControlKind::ComboBox || scratch->kind == ControlKind::RadioGroup)
            scratch->items = from.items;
    }
    form_->control("Calcualte_Without_Messages_CheckBox").checked = false;
}

std::optional<ScratchOutcome> ScratchRun::check(const CalcContext& live, int page, const RunValues& run, bool strict) {
    SurveyMethod method = method_for_page(page);
    if (method == nullptr) return std::nullopt;
    SilentPort port(strict ? Answer::No : Answer::Yes);
    CalcContext context{*form_, live.setup, port, live.numbers};
    RunValues checking = run;
    checking.sagging = false;
    checking.actual_sag = 0;
    checking.touch.reset();
    if (!method(context, checking)) return std::nullopt;
    return ScratchOutcome{checking.actual_sag, checking.touch};
}

}  // namespace vortan
