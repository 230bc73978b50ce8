// The unit label families and their refresh.
#pragma once

#include "form/form.h"

namespace vortan {

// Gives every unit label of the form the caption of the unit system in force.
// A label belongs to a family when its name begins with the family name,
// letter case ignored.
void set_units_labels(Form& form, bool imperial);

}  // namespace vortan
