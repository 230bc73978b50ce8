// The setup editor window's model: the setup lists and the project-wide options
// it keeps for the whole run (units of measure, cable code names).
#pragma once

#include "form/form.h"

namespace vortan {

class SetupEditor {
public:
    SetupEditor();

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    bool imperial() const { return form_.item_index("Units_of_Measure_RadioGroup") == 1; }

private:
    Form form_;
};

}  // namespace vortan
