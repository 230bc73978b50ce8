#include "gui/locale_numbers.h"

namespace vortan::gui {

NumberFormat number_format_of(const QLocale& locale) {
    QString thousands = locale.groupSeparator();
    thousands.replace(QChar(0x202F), QChar(0x00A0));
    return NumberFormat{thousands.toStdString(), locale.decimalPoint().toStdString()};
}

}  // namespace vortan::gui
