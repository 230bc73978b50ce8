// The monospaced font the report is shown and printed in.
#pragma once

#include <QFont>

namespace vortan::gui {

// Courier New when the system has it, otherwise the first fixed-pitch
// replacement found (Liberation Mono, DejaVu Sans Mono), at the pixel size given.
QFont report_font(int pixel_size);

}  // namespace vortan::gui
