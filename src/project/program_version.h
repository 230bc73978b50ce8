// The version of the program, as the build numbers it, for what it prints
// about itself (a signed record names the program that made it).
#pragma once

namespace vortan {

// "3.3": the project's version in the build files.
const char* program_version();

}  // namespace vortan
