#include "QtColor.h"

#include "colormodels/modColorModels.h"
#include "namedcolors/modNamedColors.h"

namespace QtColor {

QColor ToQColor(OLE_COLOR color) {
    std::int32_t r = 0, g = 0, b = 0;
    modColorModels::SplitRGB(color, r, g, b);
    return QColor(r, g, b);
}

OLE_COLOR FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return OleColor::Rgb(rgb.red(), rgb.green(), rgb.blue());
}

QString AccessibleDescription(OLE_COLOR color) {
    return QString::fromStdString(modNamedColors::FormatRGBText(color));
}

} // namespace QtColor
