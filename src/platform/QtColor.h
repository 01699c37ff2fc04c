#pragma once

#include "common/OleColor.h"

#include <QColor>
#include <QString>

// Conversions between OLE_COLOR values and Qt colours.
namespace QtColor {

// The colour of any OLE_COLOR, a system colour translated to its current RGB (untranslatable
// values give black).
QColor ToQColor(OLE_COLOR color);

// The plain RGB value 0x00BBGGRR of a colour; alpha is ignored.
OLE_COLOR FromQColor(const QColor& color);

// How a swatch announces its colour to a screen reader: the RGB line the dialogs show,
// "&HBBGGRR #RRGGBB RGB(rrr, ggg, bbb)", a system colour with its current RGB.
QString AccessibleDescription(OLE_COLOR color);

} // namespace QtColor
