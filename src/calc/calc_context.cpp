#include "calc/calc_context.h"

#include "calc/unit_conversion.h"

namespace vortan {

bool CalcContext::imperial() const { return setup.item_index("Units_of_Measure_RadioGroup") == 1; }

void CalcContext::write_result(const std::string& field, double value, Quantity kind, const char* pattern) {
    form.set_shown(field, format_number(value, pattern, numbers),
                   format_number(to_metric(*this, kind, value), pattern, NumberFormat{}));
}

bool CalcContext::quiet() const { return form.checked("Calcualte_Without_Messages_CheckBox"); }

}  // namespace vortan
