#include "stringing/quantity_units.h"

namespace vortan::stringing {

namespace {

// shown = stored × factor + offset.
struct Scale {
    double factor;
    double offset;
    const char* unit;
    int decimals;
};

constexpr double Newtons_Per_Lbf = 4.4482216152605;

Scale scale_of(Quantity quantity, bool imperial) {
    switch (quantity) {
    case Quantity::Length: return imperial ? Scale{1 / 0.3048, 0, "ft", 2} : Scale{1, 0, "m", 2};
    case Quantity::Temperature: return imperial ? Scale{1.8, 32, "°F", 1} : Scale{1, 0, "°C", 1};
    case Quantity::Temperature_Difference: return imperial ? Scale{1.8, 0, "°F", 1} : Scale{1, 0, "°C", 1};
    case Quantity::Tension: return imperial ? Scale{1 / Newtons_Per_Lbf, 0, "lbf", 0} : Scale{1e-3, 0, "kN", 2};
    case Quantity::Strength: return imperial ? Scale{1e3 / Newtons_Per_Lbf, 0, "lbf", 0} : Scale{1, 0, "kN", 2};
    case Quantity::Area: return imperial ? Scale{1 / 645.16, 0, "in²", 4} : Scale{1, 0, "mm²", 2};
    case Quantity::Modulus: return imperial ? Scale{1 / 6.894757, 0, "Msi", 3} : Scale{1, 0, "GPa", 2};
    case Quantity::Expansion: return imperial ? Scale{1e6 / 1.8, 0, "×10⁻⁶/°F", 3} : Scale{1e6, 0, "×10⁻⁶/°C", 2};
    case Quantity::Load: return imperial ? Scale{1 / 14.5939, 0, "lbf/ft", 4} : Scale{1, 0, "N/m", 2};
    case Quantity::Mass: return imperial ? Scale{1 / 1488.164, 0, "lb/ft", 4} : Scale{1, 0, "kg/km", 1};
    case Quantity::Diameter: return imperial ? Scale{1 / 25.4, 0, "in", 3} : Scale{1, 0, "mm", 2};
    case Quantity::Percent: return Scale{1, 0, "%", 1};
    }
    return Scale{1, 0, "", 2};
}

}  // namespace

double shown_value(Quantity quantity, double stored, bool imperial) {
    const Scale scale = scale_of(quantity, imperial);
    return stored * scale.factor + scale.offset;
}

double stored_value(Quantity quantity, double shown, bool imperial) {
    const Scale scale = scale_of(quantity, imperial);
    return (shown - scale.offset) / scale.factor;
}

const char* unit_of(Quantity quantity, bool imperial) { return scale_of(quantity, imperial).unit; }

int decimals_of(Quantity quantity, bool imperial) { return scale_of(quantity, imperial).decimals; }

}  // namespace vortan::stringing
