// Edits of the stringing data one value at a time, as a window takes them:
// each value is checked before it is kept, so that a refused entry leaves the
// data as it was and says why.
#pragma once

#include "stringing/quantity_units.h"
#include "stringing/stringing_data.h"

#include <string>

namespace vortan::stringing {

// What an edit applies to: a conductor, and for a design condition also the
// section it is designed in (by its first structure).
struct EditTarget {
    std::string code_name;
    std::string first_structure;
};

enum class Field {
    Area, Modulus, Expansion, Rated_Strength,                // the conductor's mechanics
    Design_Tension, Design_Temperature, Wind, Ice, Creep,    // the section's design condition
    Chart_From, Chart_To, Chart_Step,                        // the chart's temperatures
};

const char* field_name(Field field);
// The design tension is a tension or a percentage, as its kind says.
Quantity quantity_of(Field field, const StringingData& data, const EditTarget& target);
// The stored (SI-based) value; defaults where nothing is kept yet.
double field_value(const StringingData& data, const EditTarget& target, Field field);
// Keeps a stored value; otherwise the reason it is refused, the data unchanged.
std::string set_field(StringingData& data, const EditTarget& target, Field field, double value);

// A design tension kept across a change of kind: converted by the rated
// strength when it is known, otherwise cleared for the user to type.
void set_tension_kind(StringingData& data, const EditTarget& target, DesignCondition::Tension kind);
void set_design_age(StringingData& data, const EditTarget& target, CableAge age);
// The four mechanics of a code name from another conductor (a catalogue entry).
void fill_mechanics(StringingData& data, const std::string& code_name, const Conductor& from);

}  // namespace vortan::stringing
