// The number separators of a locale, as the core reads and writes numbers.
#pragma once

#include "calc/number_text.h"

#include <QLocale>

namespace vortan::gui {

// A narrow no-break space (U+202F) as group separator becomes a no-break space
// (U+00A0): the separator users type and older data holds.
NumberFormat number_format_of(const QLocale& locale);

}  // namespace vortan::gui
