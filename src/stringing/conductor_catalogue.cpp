#include "stringing/conductor_catalogue.h"

#include "project/text_compare.h"

namespace vortan::stringing {

// Interim: the full catalogue follows.
const std::vector<CatalogueConductor>& conductor_catalogue() {
    static const std::vector<CatalogueConductor> catalogue;
    return catalogue;
}

const CatalogueConductor* catalogue_conductor(const std::string& name) {
    for (const CatalogueConductor& entry : conductor_catalogue())
        if (same_ignoring_case(entry.data.code_name, name)) return &entry;
    return nullptr;
}

}  // namespace vortan::stringing
