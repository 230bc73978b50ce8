#include "calc/calc_context.h"

namespace vortan {

bool CalcContext::imperial() const { return setup.item_index("Units_of_Measure_RadioGroup") == 1; }

bool CalcContext::quiet() const { return form.checked("Calcualte_Without_Messages_CheckBox"); }

}  // namespace vortan
