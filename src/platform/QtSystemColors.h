#pragma once

#include "colormodels/SystemColors.h"

namespace Platform {

// System colours read from the running desktop's palette (QApplication::palette()) at the
// moment they are asked for; installed at program start.
class QtSystemColors final : public SystemColors::Source {
public:
    OLE_COLOR ColorOf(int index) const override;
};

} // namespace Platform
