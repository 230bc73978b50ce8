// Sources of the figures (mass kg/km, diameter mm, total area mm², final
// modulus GPa, expansion 1/°C, rated tensile strength kN):
// - ACSR Wolf, Lynx, Panther, Zebra, Rabbit: the BS 215-2 / BS EN 50182
//   tables; modulus and expansion are the tables' values for the 6/1, 30/7
//   and 54/7 strandings.
// - ACSR Drake, Dove, Hawk: the ASTM B232 tables (Drake as in the demo
//   project: 1627 kg/km, 28.14 mm); their 26/7 final modulus and expansion
//   are worked out from the wires by the method of IEC 61597.
// - AAC: "Characteristics of aluminium conductors used in Austria - Type AL1,
//   technical data according to EN 50182/2001", issue 2, September 2015.
// - AAAC Oak: the BS 3242 table.
// - Galvanised steel earth wires: Janta Cable, "Ground Wires for Transmission
//   Lines - Galvanised Steel Wires" (modulus 1.933e6 kg/cm², 11.5e-6 /°C).
#include "stringing/conductor_catalogue.h"

#include <algorithm>
#include <cctype>

namespace vortan::stringing {

namespace {

constexpr const char* Bs_215 = "BS 215-2 / BS EN 50182";
constexpr const char* Astm_B232 = "ASTM B232; 26/7 modulus and expansion by IEC 61597";
constexpr const char* En_50182_Al1 = "EN 50182 table for AL1 (Austria, issue 2, 2015)";
constexpr const char* Bs_3242 = "BS 3242";
constexpr const char* Janta_Gsw = "Janta Cable, Ground Wires for Transmission Lines";

// The earth-wire sheet gives 1.933e6 kg/cm²: × 9.80665 N/kg × 1e4 cm²/m² / 1e9.
constexpr double Gsw_Modulus_Gpa = 1.933e6 * 9.80665e-5;

CatalogueConductor entry(const char* name, const char* construction, double mass, double diameter, double area,
                         double modulus, double expansion, double strength, const char* source) {
    return {Conductor{name, mass, diameter, area, modulus, expansion, strength}, construction, source};
}

std::vector<CatalogueConductor> make_catalogue() {
    return {
        entry("Rabbit", "ACSR 6/1", 214, 10.05, 61.7, 79, 19.1e-6, 18.35, Bs_215),
        entry("Wolf", "ACSR 30/7", 726, 18.13, 194.9, 80, 17.8e-6, 69.20, Bs_215),
        entry("Lynx", "ACSR 30/7", 842, 19.53, 226.2, 80, 17.8e-6, 79.97, Bs_215),
        entry("Panther", "ACSR 30/7", 974, 21.00, 261.5, 80, 17.8e-6, 92.25, Bs_215),
        entry("Zebra", "ACSR 54/7", 1621, 28.62, 484.5, 69, 19.3e-6, 131.9, Bs_215),
        entry("Hawk", "ACSR 26/7", 975, 21.79, 280.8, 74, 18.9e-6, 86.7, Astm_B232),
        entry("Dove", "ACSR 26/7", 1140, 23.55, 327.9, 74, 18.9e-6, 100.5, Astm_B232),
        entry("Drake", "ACSR 26/7", 1627, 28.14, 468.5, 74, 18.9e-6, 140.1, Astm_B232),
        entry("117-AL1", "AAC 19/2.80", 321.5, 14.0, 117.0, 57, 23e-6, 19.89, En_50182_Al1),
        entry("243-AL1", "AAC 61/2.25", 671.1, 20.3, 242.5, 55, 23e-6, 43.66, En_50182_Al1),
        entry("400-AL1", "AAC 61/2.89", 1107.1, 26.0, 400.1, 55, 23e-6, 68.02, En_50182_Al1),
        entry("Oak", "AAAC 7/4.65", 325, 13.95, 118.9, 59, 23e-6, 33.4, Bs_3242),
        entry("7/3.15 GSW", "GSW 7/3.15", 428, 9.45, 54.55, Gsw_Modulus_Gpa, 11.5e-6, 56.0, Janta_Gsw),
        entry("7/3.66 GSW", "GSW 7/3.66", 575, 10.98, 73.65, Gsw_Modulus_Gpa, 11.5e-6, 79.77, Janta_Gsw),
        entry("7/4.06 GSW", "GSW 7/4.06", 706, 12.18, 90.62, Gsw_Modulus_Gpa, 11.5e-6, 98.16, Janta_Gsw),
    };
}

bool same_name(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const std::vector<CatalogueConductor>& conductor_catalogue() {
    static const std::vector<CatalogueConductor> catalogue = make_catalogue();
    return catalogue;
}

const CatalogueConductor* catalogue_conductor(const std::string& name) {
    const auto& catalogue = conductor_catalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const CatalogueConductor& c) { return same_name(c.data.code_name, name); });
    return found == catalogue.end() ? nullptr : &*found;
}

}  // namespace vortan::stringing
