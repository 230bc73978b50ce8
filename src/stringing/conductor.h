// A conductor's data as the change of state needs it, always in SI-based
// units whatever the project's units: the mass and diameter of its code-name
// record and the mechanical data of the stringing data.
#pragma once

#include <string>

namespace vortan::stringing {

inline constexpr double Standard_Gravity = 9.80665;  // m/s²

struct Conductor {
    std::string code_name;
    double mass_kg_per_km = 0;
    double diameter_mm = 0;
    double area_mm2 = 0;             // total cross-section
    double modulus_gpa = 0;          // final modulus of elasticity
    double expansion_per_c = 0;      // coefficient of linear expansion, 1/°C
    double rated_strength_kn = 0;    // rated tensile strength

    double weight_n_per_m() const { return mass_kg_per_km / 1000.0 * Standard_Gravity; }
    // E·A in newtons.
    double axial_stiffness_n() const { return modulus_gpa * 1e9 * area_mm2 * 1e-6; }
    // Enough data for a change of state?
    bool complete() const {
        return mass_kg_per_km > 0 && area_mm2 > 0 && modulus_gpa > 0 && expansion_per_c > 0;
    }
};

}  // namespace vortan::stringing
