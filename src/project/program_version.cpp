#include "project/program_version.h"

namespace vortan {

// The build defines VORTAN_VERSION for this file only, so that a new version
// recompiles one file.
const char* program_version() { return VORTAN_VERSION; }

}  // namespace vortan
