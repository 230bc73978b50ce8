// Common conductors from the makers' public data sheets and the conductor
// standards, from which a code name's mechanical data can be filled.
#pragma once

#include "stringing/conductor.h"

#include <string>
#include <vector>

namespace vortan::stringing {

struct CatalogueConductor {
    Conductor data;               // code_name is the catalogue name, e.g. "Drake"
    std::string construction;     // e.g. "ACSR 26/7"
    std::string source;           // the standard or data sheet it comes from
};

const std::vector<CatalogueConductor>& conductor_catalogue();
// The entry of that name, letter case ignored; nullptr when none.
const CatalogueConductor* catalogue_conductor(const std::string& name);

}  // namespace vortan::stringing
