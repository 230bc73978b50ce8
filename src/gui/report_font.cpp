#include "gui/report_font.h"

#include <QFontInfo>
#include <QStringList>

namespace vortan::gui {

QFont report_font(int pixel_size) {
    QFont font;
    for (const QString& family : {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                  QStringLiteral("DejaVu Sans Mono")}) {
        font = QFont(family);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        font.setPixelSize(pixel_size);
        if (QFontInfo(font).fixedPitch()) break;
    }
    return font;
}

}  // namespace vortan::gui
