#include "form/text_snapshot.h"

namespace vortan {

TextSnapshot::TextSnapshot(const Form& form) {
    for (const Control* control : form.controls())
        if (control->kind == ControlKind::Edit) kept_.push_back({control->name, control->text, control->source});
}

void TextSnapshot::restore(Form& form) const {
    for (const Kept& kept : kept_) {
        const Control& now = form.control(kept.name);
        if (now.text == kept.text && now.source == kept.source) continue;
        if (kept.source.empty())
            form.set_text(kept.name, kept.text);
        else
            form.set_shown(kept.name, kept.text, kept.source);
    }
}

}  // namespace vortan
