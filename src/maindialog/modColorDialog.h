#pragma once

#include "common/OleColor.h"

class QWidget;

// The toolkit's colour chooser (Qt's own QColorDialog) and its 16 custom colours, which are kept
// for the whole run of the program, so that a colour defined in one showing is offered again in
// the next. On the first showing of the run all 16 slots get the desktop's current button-face
// colour; afterwards they hold whatever the chooser left in them when it closed, confirmed or
// cancelled. They are never saved: every run starts afresh.
namespace modColorDialog {

// Shows the chooser modally, owned by OwnerWindow (none: no owner), starting at Color (a system
// colour starts at its current RGB value), with its custom colours panel. Returns true when
// the user confirmed a colour, and then Color holds it as a plain RGB value; false when the
// user cancelled, and then Color is unchanged. Qt's chooser always shows its custom colours
// and its full picker, so FullOpen asks for what is shown anyway.
bool ShowColorDialog(QWidget* OwnerWindow, OLE_COLOR& Color, [[maybe_unused]] bool FullOpen);

} // namespace modColorDialog
