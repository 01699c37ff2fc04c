#include "QtSystemColors.h"

#include "platform/QtColor.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace Platform {
namespace {

struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup I = QPalette::Inactive;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

// The palette role that plays each system colour's part on a Qt desktop.
constexpr std::array<RoleOf, SystemColors::MaxIndex + 1> roles = {{
    {A, QPalette::Button},          //  0 scroll bars
    {A, QPalette::Dark},            //  1 desktop
    {A, QPalette::Highlight},       //  2 active title bar
    {I, QPalette::Highlight},       //  3 inactive title bar
    {A, QPalette::Window},          //  4 menu bar
    {A, QPalette::Base},            //  5 window background
    {A, QPalette::Shadow},          //  6 window frame
    {A, QPalette::WindowText},      //  7 menu text
    {A, QPalette::Text},            //  8 window text
    {A, QPalette::HighlightedText}, //  9 title bar text
    {A, QPalette::Window},          // 10 active border
    {I, QPalette::Window},          // 11 inactive border
    {A, QPalette::Mid},             // 12 application workspace
    {A, QPalette::Highlight},       // 13 highlight
    {A, QPalette::HighlightedText}, // 14 highlight text
    {A, QPalette::Button},          // 15 button face
    {A, QPalette::Dark},            // 16 button shadow
    {D, QPalette::Text},            // 17 grey text
    {A, QPalette::ButtonText},      // 18 button text
    {I, QPalette::HighlightedText}, // 19 inactive title bar text
    {A, QPalette::Light},           // 20 3D highlight
    {A, QPalette::Shadow},          // 21 3D dark shadow
    {A, QPalette::Midlight},        // 22 3D light
    {A, QPalette::ToolTipText},     // 23 tool tip text
    {A, QPalette::ToolTipBase},     // 24 tool tip background
    {A, QPalette::AlternateBase},   // 25 alternate button face
    {A, QPalette::Link},            // 26 hot-tracked item
    {A, QPalette::Highlight},       // 27 active title gradient
    {I, QPalette::Highlight},       // 28 inactive title gradient
    {A, QPalette::Highlight},       // 29 menu highlight
    {A, QPalette::Window},          // 30 flat menu bar
}};

} // namespace

OLE_COLOR QtSystemColors::ColorOf(int index) const {
    const RoleOf& r = roles.at(static_cast<std::size_t>(index));
    return QtColor::FromQColor(QApplication::palette().color(r.group, r.role));
}

} // namespace Platform
