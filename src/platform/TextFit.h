#pragma once

class QLineEdit;
class QString;

namespace Platform {

// Narrows the text margins that the style gives Box (Adwaita's are 8 pixels left and right and 2
// above and below; Fusion's none) only as far as Widest, in Box's font, needs to show whole, and
// never below none. Box keeps its size and its frame; margins that leave room stay as they are.
// Styles set the margins when they polish a widget: call it after that, and again after a change
// of style or font.
void FitTextMargins(QLineEdit& Box, const QString& Widest);

} // namespace Platform
