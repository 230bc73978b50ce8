// What the sag mode shows: the required-value fields when sagging a cable, the
// actual-value fields when checking one, and the schedule group only when sagging.
#pragma once

#include "form/form.h"

namespace vortan {

void apply_sag_mode(Form& form);

}  // namespace vortan
