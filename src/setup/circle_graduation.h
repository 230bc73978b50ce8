// The drawing of a vertical circle's graduation, for a drawing control on the
// Theodolite Settings page (shapes as in diagram/span_diagram.h).
#pragma once

#include "calc/angle_entry.h"

#include <string>
#include <vector>

namespace vortan {

// Face left and face right side by side, the telescope level and pointing
// right, toward the target, with the readings at the zenith, the horizontal
// and the nadir. On face left the half whose readings the angle reader
// accepts is drawn as the cable is, with a key under it.
std::vector<std::string> circle_graduation_shapes(VerticalCircle circle);

}  // namespace vortan
