// Dates as the program writes them.
#pragma once

#include "ui/userport.h"

#include <string>

namespace vortan {

// "07-Dec-2026".
std::string format_dd_mmm_yyyy(const DateTime& date);

}  // namespace vortan
