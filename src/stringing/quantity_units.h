// The quantities the stringing charts show and take, each in the project's
// units: stored SI-based, shown metric or imperial.
#pragma once

namespace vortan::stringing {

enum class Quantity {
    Length,                  // m        | ft
    Temperature,             // °C       | °F
    Temperature_Difference,  // °C       | °F
    Tension,                 // N shown as kN | lbf
    Strength,                // kN       | lbf
    Area,                    // mm²      | in²
    Modulus,                 // GPa      | Msi
    Expansion,               // 1/°C shown as 10⁻⁶/°C | 10⁻⁶/°F
    Load,                    // N/m      | lbf/ft
    Mass,                    // kg/km    | lb/ft
    Diameter,                // mm       | in
    Percent,                 // %        | %
};

double shown_value(Quantity quantity, double stored, bool imperial);
double stored_value(Quantity quantity, double shown, bool imperial);
const char* unit_of(Quantity quantity, bool imperial);
// Decimals a value is shown with: enough for a field to keep what was typed
// from a data sheet.
int decimals_of(Quantity quantity, bool imperial);

}  // namespace vortan::stringing
