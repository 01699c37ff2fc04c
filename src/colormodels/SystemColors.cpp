#include "SystemColors.h"

#include <utility>

namespace SystemColors {
namespace {

constexpr OLE_COLOR rgb(int r, int g, int b) {
    return OleColor::Rgb(r, g, b);
}

// The classic "Windows Standard" scheme, by GetSysColor index.
constexpr std::array<OLE_COLOR, MaxIndex + 1> classicTable = {
    rgb(212, 208, 200), //  0 scroll bars
    rgb(58, 110, 165),  //  1 desktop
    rgb(10, 36, 106),   //  2 active title bar
    rgb(128, 128, 128), //  3 inactive title bar
    rgb(212, 208, 200), //  4 menu bar
    rgb(255, 255, 255), //  5 window background
    rgb(0, 0, 0),       //  6 window frame
    rgb(0, 0, 0),       //  7 menu text
    rgb(0, 0, 0),       //  8 window text
    rgb(255, 255, 255), //  9 title bar text
    rgb(212, 208, 200), // 10 active border
    rgb(212, 208, 200), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(10, 36, 106),   // 13 highlight
    rgb(255, 255, 255), // 14 highlight text
    rgb(212, 208, 200), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(212, 208, 200), // 19 inactive title bar text
    rgb(255, 255, 255), // 20 3D highlight
    rgb(64, 64, 64),    // 21 3D dark shadow
    rgb(212, 208, 200), // 22 3D light
    rgb(0, 0, 0),       // 23 tool tip text
    rgb(255, 255, 225), // 24 tool tip background
    rgb(181, 181, 181), // 25 alternate button face
    rgb(0, 0, 128),     // 26 hot-tracked item
    rgb(166, 202, 240), // 27 active title gradient
    rgb(192, 192, 192), // 28 inactive title gradient
    rgb(10, 36, 106),   // 29 menu highlight
    rgb(212, 208, 200), // 30 flat menu bar
};

std::unique_ptr<Source>& installed() {
    static std::unique_ptr<Source> source = std::make_unique<ClassicSource>();
    return source;
}

} // namespace

OLE_COLOR ClassicSource::ColorOf(int index) const {
    return classicTable.at(static_cast<std::size_t>(index));
}

const std::array<OLE_COLOR, MaxIndex + 1>& ClassicSource::Table() {
    return classicTable;
}

const Source& Current() {
    return *installed();
}

std::unique_ptr<Source> Install(std::unique_ptr<Source> source) {
    if (!source) {
        source = std::make_unique<ClassicSource>();
    }
    return std::exchange(installed(), std::move(source));
}

std::optional<OLE_COLOR> OleTranslateColor(OLE_COLOR color) {
    switch (OleColor::HighByte(color)) {
    case 0x00:
        return color;
    case 0x80: {
        const auto index = static_cast<int>(OleColor::Bits(color) & 0xFFFFFFu);
        if (index > MaxIndex) {
            return std::nullopt;
        }
        return Current().ColorOf(index) & 0xFFFFFF;
    }
    default:
        return std::nullopt;
    }
}

} // namespace SystemColors
