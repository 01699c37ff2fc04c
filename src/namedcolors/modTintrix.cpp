#include "modTintrix.h"

#include "common/NumberReader.h"
#include "common/Rounding.h"
#include "namedcolors/TextRules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace modTintrix {
namespace {

// The nearest integer of the tolerant reading, or nullopt when the number does not fit.
std::optional<std::int32_t> ReadInteger(std::string_view text) {
    const NumberReader::Reading reading = NumberReader::ReadLeadingNumber(text);
    if (reading.Overflow) {
        return std::nullopt;
    }
    return Rounding::TryRoundToInt32(reading.Value);
}

// The tolerant reading as a single-precision fraction 0..1, or nullopt.
std::optional<float> ReadFraction(std::string_view text) {
    const NumberReader::Reading reading = NumberReader::ReadLeadingNumber(text);
    // Beyond the float range the conversion itself would be undefined; such a value fails anyway.
    if (reading.Overflow || std::fabs(reading.Value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    const float value = Rounding::ToSingle(reading.Value);
    if (!(value >= 0.0f && value <= 1.0f)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ReadComponent(const std::string& text) {
    const std::optional<std::int32_t> value = ReadInteger(text);
    if (!value || *value < 0 || *value > 255) {
        return std::nullopt;
    }
    return value;
}

// Upper case of the ASCII letters only: the locale's rules (a Turkish dotless i) must not turn
// "hsv" into something else.
std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return upper;
}

} // namespace

bool SplitRGBText(const std::string& Text, RGBTextParts& TextParts) {
    TextParts = RGBTextParts{};
    const std::string_view text(Text);
    const std::size_t hex = text.find("&H");
    const std::size_t afterHex = hex == std::string_view::npos ? hex : text.find(' ', hex);
    const std::size_t web = afterHex == std::string_view::npos ? afterHex : text.find('#', afterHex);
    const std::size_t afterWeb = web == std::string_view::npos ? web : text.find(' ', web);
    if (afterWeb == std::string_view::npos) {
        return false;
    }
    std::string pieces[3];
    if (!TextRules::SplitArguments(text.substr(afterWeb), "RGB", pieces)) {
        return false;
    }
    TextParts[0] = text.substr(hex, afterHex - hex);
    TextParts[1] = text.substr(web, afterWeb - web);
    for (std::size_t i = 0; i < 3; ++i) {
        TextParts[2 + i] = std::move(pieces[i]);
    }
    return true;
}

OLE_COLOR ParseRGBComponents(const std::string& Red, const std::string& Green, const std::string& Blue) {
    const auto r = ReadComponent(Red);
    const auto g = ReadComponent(Green);
    const auto b = ReadComponent(Blue);
    if (!r || !g || !b) {
        return -1;
    }
    return modColorModels::JoinRGB(*r, *g, *b);
}

HSBValues ParseHSVText(const std::string& Text, const std::string& /*OldText*/) {
    const HSBValues failure{-1, 0.0f, 0.0f};
    const std::string upper = AsciiUpper(TextRules::TrimSpaces(Text));
    if (upper.compare(0, 3, "HSV") != 0) {
        return failure;
    }
    std::string pieces[3];
    if (!TextRules::SplitArguments(TextRules::TrimSpaces(std::string_view(upper).substr(3)), "", pieces)) {
        return failure;
    }
    const auto hue = ReadInteger(pieces[0]);
    const auto sat = ReadFraction(pieces[1]);
    const auto bright = ReadFraction(pieces[2]);
    if (!hue || *hue < 0 || *hue > 359 || !sat || !bright) {
        return failure;
    }
    return HSBValues{*hue, *sat, *bright};
}

} // namespace modTintrix
