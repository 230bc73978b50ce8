#include "units/unit_labels.h"

#include <algorithm>
#include <cctype>

namespace vortan {

namespace {

struct LabelFamily {
    const char* prefix;
    const char* metric;
    const char* imperial;
};

// In refresh order: length, small length, small force, force, temperature,
// mass per length, then the two families that do not change.
constexpr LabelFamily Families[] = {
    {"UNITS_LENGTH_Label", "m", "ft"},
    {"UNITS_SMALL_LENGTH_Label", "mm", "in"},
    {"UNITS_SMALL_Force_Label", "N", "lbf"},
    {"UNITS_Force_Label", "kN", "lbf"},
    {"UNITS_Temperature_Label", "  \xC2\xB0" "C ", "  \xC2\xB0" "F "},
    {"UNITS_Mass_Label", "kg/km", "lbs/mile"},
    {"UNITS_Degrees_Label", "ddd.mmss", "ddd.mmss"},
    {"UNIT_Percent_Label", "%", "%"},
};

bool starts_with_ignoring_case(const std::string& name, const std::string& prefix) {
    return name.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), name.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

void set_units_labels(Form& form, bool imperial) {
    for (const LabelFamily& family : Families) {
        for (Control* control : form.controls()) {
            if (control->kind != ControlKind::Label || !starts_with_ignoring_case(control->name, family.prefix))
                continue;
            form.set_visible(control->name, false);
            form.set_caption(control->name, imperial ? family.imperial : family.metric);
            form.set_visible(control->name, true);
        }
    }
}

}  // namespace vortan
