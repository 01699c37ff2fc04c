#pragma once

#include "common/OleColor.h"

#include <array>
#include <memory>
#include <optional>

// Translation of OLE_COLOR values to plain RGB, the stand-in for the desktop's
// OleTranslateColor. System colours (high byte 0x80) are looked up in a replaceable source:
// by default a fixed table of the classic desktop colours; the user interface installs a
// source that reads the running desktop's palette.
namespace SystemColors {

// The largest system colour index (0..30, the indexes GetSysColor knows).
constexpr int MaxIndex = 30;

class Source {
public:
    virtual ~Source() = default;
    // The plain RGB value (0x00BBGGRR) of system colour `index`, 0 <= index <= MaxIndex.
    virtual OLE_COLOR ColorOf(int index) const = 0;
};

// The classic desktop defaults for every index 0..30.
class ClassicSource final : public Source {
public:
    OLE_COLOR ColorOf(int index) const override;
    static const std::array<OLE_COLOR, MaxIndex + 1>& Table();
};

// The source in use (ClassicSource until another is installed).
const Source& Current();

// Installs `source` (nullptr reinstalls the classic table) and returns the one it replaces.
// Called on the user-interface thread, while nothing is translating.
std::unique_ptr<Source> Install(std::unique_ptr<Source> source);

// A plain RGB value (high byte 0x00) translates to itself; a system colour with an index of
// 0..30 (the whole low 24 bits) to the current source's colour; anything else (another high
// byte, an index above 30) cannot be translated and gives nullopt.
std::optional<OLE_COLOR> OleTranslateColor(OLE_COLOR color);

} // namespace SystemColors
