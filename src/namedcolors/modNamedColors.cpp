#include "modNamedColors.h"

#include "common/NumberReader.h"
#include "common/Rounding.h"
#include "namedcolors/TextRules.h"
#include "namedcolors/modTintrix.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace modNamedColors {
namespace {

// --- The tables ---------------------------------------------------------------------------------

struct SystemEntry {
    std::string_view Name;
    int Index;
};

// Alphabetical by name; four indexes have two names each (9, 15, 16 and 19).
constexpr std::array<SystemEntry, 29> kSystemColors = {{
    {"3DDKShadow", 21},
    {"3DFace", 15},
    {"3DHighlight", 20},
    {"3DLight", 22},
    {"3DShadow", 16},
    {"ActiveBorder", 10},
    {"ActiveTitleBar", 2},
    {"ActiveTitleBarText", 9},
    {"ApplicationWorkspace", 12},
    {"ButtonFace", 15},
    {"ButtonShadow", 16},
    {"ButtonText", 18},
    {"Desktop", 1},
    {"GrayText", 17},
    {"Highlight", 13},
    {"HighlightText", 14},
    {"InactiveBorder", 11},
    {"InactiveCaptionText", 19},
    {"InactiveTitleBar", 3},
    {"InactiveTitleBarText", 19},
    {"InfoBackground", 24},
    {"InfoText", 23},
    {"MenuBar", 4},
    {"MenuText", 7},
    {"ScrollBars", 0},
    {"TitleBarText", 9},
    {"WindowBackground", 5},
    {"WindowFrame", 6},
    {"WindowText", 8},
}};

struct NamedValue {
    std::string_view Name;
    OLE_COLOR Value;
};

// A colour written as on the web (0xRRGGBB) as an OLE_COLOR (0x00BBGGRR), so that the tables
// below read like the CSS keyword list they are checked against.
constexpr OLE_COLOR Web(std::uint32_t rrggbb) {
    return OleColor::Rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
                         static_cast<int>(rrggbb & 0xFF));
}

constexpr std::array<NamedValue, 11> kBaseColors = {{
    {"BASE_Black", Web(0x000000)},
    {"BASE_Red", Web(0xFF0000)},
    {"BASE_Green", Web(0x00FF00)},
    {"BASE_Blue", Web(0x0000FF)},
    {"BASE_Cyan", Web(0x00FFFF)},
    {"BASE_Magenta", Web(0xFF00FF)},
    {"BASE_Yellow", Web(0xFFFF00)},
    {"BASE_White", Web(0xFFFFFF)},
    {"BASE_Gray25", Web(0xC0C0C0)}, // the number is the share of black
    {"BASE_Gray50", Web(0x808080)},
    {"BASE_Gray75", Web(0x404040)},
}};

// The 16 classic web colours, then the extended ones in alphabetical order; each value is the
// CSS keyword's. The set has no cyan, magenta, bisque or blanched almond, and spells
// "Lightgrey" with "grey".
constexpr std::array<NamedValue, 136> kHTMLColors = {{
    {"HTMLB_Black", Web(0x000000)},
    {"HTMLB_Gray", Web(0x808080)},
    {"HTMLB_Maroon", Web(0x800000)},
    {"HTMLB_Red", Web(0xFF0000)},
    {"HTMLB_Green", Web(0x008000)},
    {"HTMLB_Lime", Web(0x00FF00)},
    {"HTMLB_Olive", Web(0x808000)},
    {"HTMLB_Yellow", Web(0xFFFF00)},
    {"HTMLB_Navy", Web(0x000080)},
    {"HTMLB_Blue", Web(0x0000FF)},
    {"HTMLB_Purple", Web(0x800080)},
    {"HTMLB_Fuchsia", Web(0xFF00FF)},
    {"HTMLB_Teal", Web(0x008080)},
    {"HTMLB_Aqua", Web(0x00FFFF)},
    {"HTMLB_Silver", Web(0xC0C0C0)},
    {"HTMLB_White", Web(0xFFFFFF)},
    {"HTMLS_Aliceblue", Web(0xF0F8FF)},
    {"HTMLS_Antiquewhite", Web(0xFAEBD7)},
    {"HTMLS_Aquamarine", Web(0x7FFFD4)},
    {"HTMLS_Azure", Web(0xF0FFFF)},
    {"HTMLS_Beige", Web(0xF5F5DC)},
    {"HTMLS_Blueviolet", Web(0x8A2BE2)},
    {"HTMLS_Brown", Web(0xA52A2A)},
    {"HTMLS_Burlywood", Web(0xDEB887)},
    {"HTMLS_Cadetblue", Web(0x5F9EA0)},
    {"HTMLS_Chartreuse", Web(0x7FFF00)},
    {"HTMLS_Chocolate", Web(0xD2691E)},
    {"HTMLS_Coral", Web(0xFF7F50)},
    {"HTMLS_Cornflowerblue", Web(0x6495ED)},
    {"HTMLS_Cornsilk", Web(0xFFF8DC)},
    {"HTMLS_Crimson", Web(0xDC143C)},
    {"HTMLS_Darkblue", Web(0x00008B)},
    {"HTMLS_Darkcyan", Web(0x008B8B)},
    {"HTMLS_Darkgoldenrod", Web(0xB8860B)},
    {"HTMLS_Darkgray", Web(0xA9A9A9)},
    {"HTMLS_Darkgreen", Web(0x006400)},
    {"HTMLS_Darkkhaki", Web(0xBDB76B)},
    {"HTMLS_Darkmagenta", Web(0x8B008B)},
    {"HTMLS_Darkolivegreen", Web(0x556B2F)},
    {"HTMLS_Darkorange", Web(0xFF8C00)},
    {"HTMLS_Darkorchid", Web(0x9932CC)},
    {"HTMLS_Darkred", Web(0x8B0000)},
    {"HTMLS_Darksalmon", Web(0xE9967A)},
    {"HTMLS_Darkseagreen", Web(0x8FBC8F)},
    {"HTMLS_Darkslateblue", Web(0x483D8B)},
    {"HTMLS_Darkslategray", Web(0x2F4F4F)},
    {"HTMLS_Darkturquoise", Web(0x00CED1)},
    {"HTMLS_Darkviolet", Web(0x9400D3)},
    {"HTMLS_Deeppink", Web(0xFF1493)},
    {"HTMLS_Deepskyblue", Web(0x00BFFF)},
    {"HTMLS_Dimgray", Web(0x696969)},
    {"HTMLS_Dodgerblue", Web(0x1E90FF)},
    {"HTMLS_Firebrick", Web(0xB22222)},
    {"HTMLS_Floralwhite", Web(0xFFFAF0)},
    {"HTMLS_Forestgreen", Web(0x228B22)},
    {"HTMLS_Gainsboro", Web(0xDCDCDC)},
    {"HTMLS_Ghostwhite", Web(0xF8F8FF)},
    {"HTMLS_Gold", Web(0xFFD700)},
    {"HTMLS_Goldenrod", Web(0xDAA520)},
    {"HTMLS_Greenyellow", Web(0xADFF2F)},
    {"HTMLS_Honeydew", Web(0xF0FFF0)},
    {"HTMLS_Hotpink", Web(0xFF69B4)},
    {"HTMLS_Indianred", Web(0xCD5C5C)},
    {"HTMLS_Indigo", Web(0x4B0082)},
    {"HTMLS_Ivory", Web(0xFFFFF0)},
    {"HTMLS_Khaki", Web(0xF0E68C)},
    {"HTMLS_Lavender", Web(0xE6E6FA)},
    {"HTMLS_Lavenderblush", Web(0xFFF0F5)},
    {"HTMLS_Lawngreen", Web(0x7CFC00)},
    {"HTMLS_Lemonchiffon", Web(0xFFFACD)},
    {"HTMLS_Lightblue", Web(0xADD8E6)},
    {"HTMLS_Lightcoral", Web(0xF08080)},
    {"HTMLS_Lightcyan", Web(0xE0FFFF)},
    {"HTMLS_Lightgoldenrodyellow", Web(0xFAFAD2)},
    {"HTMLS_Lightgreen", Web(0x90EE90)},
    {"HTMLS_Lightgrey", Web(0xD3D3D3)},
    {"HTMLS_Lightpink", Web(0xFFB6C1)},
    {"HTMLS_Lightsalmon", Web(0xFFA07A)},
    {"HTMLS_Lightseagreen", Web(0x20B2AA)},
    {"HTMLS_Lightskyblue", Web(0x87CEFA)},
    {"HTMLS_Lightslategray", Web(0x778899)},
    {"HTMLS_Lightsteelblue", Web(0xB0C4DE)},
    {"HTMLS_Lightyellow", Web(0xFFFFE0)},
    {"HTMLS_Limegreen", Web(0x32CD32)},
    {"HTMLS_Linen", Web(0xFAF0E6)},
    {"HTMLS_Mediumaquamarine", Web(0x66CDAA)},
    {"HTMLS_Mediumblue", Web(0x0000CD)},
    {"HTMLS_Mediumorchid", Web(0xBA55D3)},
    {"HTMLS_Mediumpurple", Web(0x9370DB)},
    {"HTMLS_Mediumseagreen", Web(0x3CB371)},
    {"HTMLS_Mediumslateblue", Web(0x7B68EE)},
    {"HTMLS_Mediumspringgreen", Web(0x00FA9A)},
    {"HTMLS_Mediumturquoise", Web(0x48D1CC)},
    {"HTMLS_Mediumvioletred", Web(0xC71585)},
    {"HTMLS_Midnightblue", Web(0x191970)},
    {"HTMLS_Mintcream", Web(0xF5FFFA)},
    {"HTMLS_Mistyrose", Web(0xFFE4E1)},
    {"HTMLS_Moccasin", Web(0xFFE4B5)},
    {"HTMLS_Navajowhite", Web(0xFFDEAD)},
    {"HTMLS_Oldlace", Web(0xFDF5E6)},
    {"HTMLS_Olivedrab", Web(0x6B8E23)},
    {"HTMLS_Orange", Web(0xFFA500)},
    {"HTMLS_Orangered", Web(0xFF4500)},
    {"HTMLS_Orchid", Web(0xDA70D6)},
    {"HTMLS_Palegoldenrod", Web(0xEEE8AA)},
    {"HTMLS_Palegreen", Web(0x98FB98)},
    {"HTMLS_Paleturquoise", Web(0xAFEEEE)},
    {"HTMLS_Palevioletred", Web(0xDB7093)},
    {"HTMLS_Papayawhip", Web(0xFFEFD5)},
    {"HTMLS_Peachpuff", Web(0xFFDAB9)},
    {"HTMLS_Peru", Web(0xCD853F)},
    {"HTMLS_Pink", Web(0xFFC0CB)},
    {"HTMLS_Plum", Web(0xDDA0DD)},
    {"HTMLS_Powderblue", Web(0xB0E0E6)},
    {"HTMLS_Rosybrown", Web(0xBC8F8F)},
    {"HTMLS_Royalblue", Web(0x4169E1)},
    {"HTMLS_Saddlebrown", Web(0x8B4513)},
    {"HTMLS_Salmon", Web(0xFA8072)},
    {"HTMLS_Sandybrown", Web(0xF4A460)},
    {"HTMLS_Seagreen", Web(0x2E8B57)},
    {"HTMLS_Seashell", Web(0xFFF5EE)},
    {"HTMLS_Sienna", Web(0xA0522D)},
    {"HTMLS_Skyblue", Web(0x87CEEB)},
    {"HTMLS_Slateblue", Web(0x6A5ACD)},
    {"HTMLS_Slategray", Web(0x708090)},
    {"HTMLS_Snow", Web(0xFFFAFA)},
    {"HTMLS_Springgreen", Web(0x00FF7F)},
    {"HTMLS_Steelblue", Web(0x4682B4)},
    {"HTMLS_Tan", Web(0xD2B48C)},
    {"HTMLS_Thistle", Web(0xD8BFD8)},
    {"HTMLS_Tomato", Web(0xFF6347)},
    {"HTMLS_Turquoise", Web(0x40E0D0)},
    {"HTMLS_Violet", Web(0xEE82EE)},
    {"HTMLS_Wheat", Web(0xF5DEB3)},
    {"HTMLS_Whitesmoke", Web(0xF5F5F5)},
    {"HTMLS_Yellowgreen", Web(0x9ACD32)},
}};

// The tables ordered by value, for the name lookups that every added entry makes.
template <std::size_t N> constexpr std::array<NamedValue, N> ByValue(std::array<NamedValue, N> table) {
    std::sort(table.begin(), table.end(),
              [](const NamedValue& a, const NamedValue& b) { return a.Value < b.Value; });
    return table;
}
template <std::size_t N> constexpr bool EveryValueOnce(const std::array<NamedValue, N>& byValue) {
    return std::adjacent_find(byValue.begin(), byValue.end(), [](const NamedValue& a, const NamedValue& b) {
               return a.Value == b.Value;
           }) == byValue.end();
}

constexpr auto kBaseByValue = ByValue(kBaseColors);
constexpr auto kHTMLByValue = ByValue(kHTMLColors);
static_assert(EveryValueOnce(kBaseByValue), "each base value must have exactly one name");
static_assert(EveryValueOnce(kHTMLByValue), "each web value must have exactly one name");

template <std::size_t N> std::string NameIn(const std::array<NamedValue, N>& byValue, OLE_COLOR color) {
    const auto found = std::lower_bound(byValue.begin(), byValue.end(), color,
                                        [](const NamedValue& entry, OLE_COLOR c) { return entry.Value < c; });
    return found != byValue.end() && found->Value == color ? std::string(found->Name) : std::string();
}

void Add(std::string name, OLE_COLOR color, NameList& Names, ValueList& Values, std::int32_t& Count) {
    const auto index = static_cast<std::size_t>(std::max(Count, std::int32_t{0}));
    // resize keeps vector's geometric growth, so filling one entry at a time stays linear.
    Names.resize(index + 1);
    Values.resize(index + 1);
    Names[index] = std::move(name);
    Values[index] = color;
    Count = static_cast<std::int32_t>(index + 1);
}

// --- The user colours file ----------------------------------------------------------------------

// Larger files are not user colour lists; refusing them keeps a stray huge file from being
// loaded whole.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{64} << 20;

std::string ReadFileBytes(const std::string& FilePath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path(FilePath);
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        // Creating it shows the user where their colours go. Appending never truncates a file
        // that appeared in the meantime, and a folder that refuses the file leaves nothing.
        std::ofstream create(path, std::ios::binary | std::ios::app);
        return {};
    }
    // Only a regular file: opening a FIFO would block, and a device never ends.
    if (error || status.type() != fs::file_type::regular) {
        return {};
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxFileBytes) {
        return {};
    }
    // Read-only: a file the user may not write is still theirs to read.
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) {
        return {};
    }
    bytes.resize(static_cast<std::size_t>(in.gcount())); // the file may have shrunk meanwhile
    return bytes;
}

struct Entry {
    std::string_view Name;
    std::int32_t Value;
};

// One line of the file: false when it voids the file; Found says whether it is an entry (a line
// without "&H" is none).
bool ReadEntryLine(std::string_view line, Entry& entry, bool& found) {
    found = false;
    const std::size_t marker = line.find("&H");
    if (marker == std::string_view::npos) {
        return true;
    }
    entry.Name = TextRules::TrimSpaces(line.substr(0, marker));
    const std::string_view value = TextRules::TrimSpaces(line.substr(marker));
    // Counting bytes decides as counting characters would: 8 bytes that are not all ASCII, or 8
    // characters that are not, can never be "&H" and six hexadecimal digits.
    if (entry.Name.empty() || value.size() != 8) {
        return false;
    }
    const std::optional<std::int32_t> number = NumberReader::ConvertToInt32(value);
    if (!number) {
        return false;
    }
    entry.Value = *number;
    found = true;
    return true;
}

// Calls onEntry for each entry of the text, in file order; false as soon as a line voids it.
template <typename OnEntry> bool ForEachEntry(std::string_view Text, OnEntry onEntry) {
    for (std::size_t from = 0;;) {
        const std::size_t end = Text.find("\r\n", from);
        Entry entry;
        bool found = false;
        if (!ReadEntryLine(Text.substr(from, end == std::string_view::npos ? end : end - from), entry,
                           found)) {
            return false;
        }
        if (found) {
            onEntry(entry);
        }
        if (end == std::string_view::npos) {
            return true;
        }
        from = end + 2;
    }
}

// --- Notation -----------------------------------------------------------------------------------

std::string Decimal(std::int32_t value) {
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

// "0.0000": one digit at least before the point, exactly four after it, never a locale's comma.
std::string FourDecimals(float value) {
    char digits[64]; // the largest float has 39 integer digits
    const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<double>(value),
                                      std::chars_format::fixed, 4);
    return std::string(digits, result.ptr);
}

// FormatHex(Byte, 2, False) of a component 0..255, written in place.
void PutHexByte(char* at, std::int32_t byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    at[0] = kDigits[static_cast<std::size_t>(byte >> 4)];
    at[1] = kDigits[static_cast<std::size_t>(byte & 0xF)];
}

// AlignRight of the decimal digits of a component 0..255 in 3 characters, written in place.
void PutDecimal3(char* at, std::int32_t value) {
    at[0] = value >= 100 ? static_cast<char>('0' + value / 100) : ' ';
    at[1] = value >= 10 ? static_cast<char>('0' + value / 10 % 10) : ' ';
    at[2] = static_cast<char>('0' + value % 10);
}

// The RGB line is written in place into its fixed layout: it is the hot path of every
// displayed colour and of every list entry compared.
std::string RGBLine(OLE_COLOR Color) {
    std::int32_t r = 0, g = 0, b = 0;
    modColorModels::SplitRGB(Color, r, g, b);
    std::string line = "&HBBGGRR #RRGGBB RGB(rrr, ggg, bbb)";
    PutHexByte(&line[2], b);
    PutHexByte(&line[4], g);
    PutHexByte(&line[6], r);
    PutHexByte(&line[10], r);
    PutHexByte(&line[12], g);
    PutHexByte(&line[14], b);
    PutDecimal3(&line[21], r);
    PutDecimal3(&line[26], g);
    PutDecimal3(&line[31], b);
    return line;
}

std::string HSVNotation(const HSBValues& HSV) {
    return "HSV(" + AlignRight(Decimal(HSV.Hue), 3) + ", " + AlignRight(FourDecimals(HSV.Sat), 6) + ", " +
           AlignRight(FourDecimals(HSV.Bright), 6) + ")";
}

} // namespace

// --- Built-in tables ----------------------------------------------------------------------------

void GetSystemColors(NameList& Names, ValueList& Values) {
    std::int32_t count = 0;
    for (const SystemEntry& entry : kSystemColors) {
        AddSystemColor(std::string(entry.Name), OleColor::SystemColor(entry.Index), Names, Values, count);
    }
}

void GetBaseColors(NameList& Names, ValueList& Values) {
    std::int32_t count = 0;
    for (const NamedValue& entry : kBaseColors) {
        AddBaseColor(entry.Value, Names, Values, count);
    }
}

void GetHTMLColors(NameList& Names, ValueList& Values) {
    std::int32_t count = 0;
    for (const NamedValue& entry : kHTMLColors) {
        AddHTMLColor(entry.Value, Names, Values, count);
    }
}

std::string NameOfBaseColor(OLE_COLOR Color) {
    return NameIn(kBaseByValue, Color);
}

std::string NameOfHTMLColor(OLE_COLOR Color) {
    return NameIn(kHTMLByValue, Color);
}

void AddSystemColor(const std::string& Name, OLE_COLOR Color, NameList& Names, ValueList& Values,
                    std::int32_t& Count) {
    Add("SYS_" + Name, Color, Names, Values, Count);
}

void AddBaseColor(OLE_COLOR Color, NameList& Names, ValueList& Values, std::int32_t& Count) {
    Add(NameOfBaseColor(Color), Color, Names, Values, Count);
}

void AddHTMLColor(OLE_COLOR Color, NameList& Names, ValueList& Values, std::int32_t& Count) {
    Add(NameOfHTMLColor(Color), Color, Names, Values, Count);
}

// --- The user-defined colours file ----------------------------------------------------------------

std::int32_t GetUserDefinedColors(const std::string& FilePath, const std::string& Prefix, NameList& Names,
                                  ValueList& Values) {
    return ParseUserDefinedColors(ReadTextFile(FilePath), Prefix, Names, Values);
}

std::string ReadTextFile(const std::string& FilePath) {
    return DecodeTextFile(ReadFileBytes(FilePath));
}

std::string DecodeTextFile(std::string Bytes) {
    if (!TextRules::IsValid(Bytes)) {
        return TextRules::FromWindows1252(Bytes);
    }
    // Editors on Windows like to start UTF-8 with a byte order mark; it is no part of a name.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(Bytes).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        Bytes.erase(0, kByteOrderMark.size());
    }
    return Bytes;
}

std::int32_t ParseUserDefinedColors(std::string_view Text, const std::string& Prefix, NameList& Names,
                                    ValueList& Values) {
    if (Text.empty()) {
        return 0;
    }
    Names.clear();
    Values.clear();
    // A first pass validates and counts, so that a void file allocates nothing and a long one
    // allocates once.
    std::size_t count = 0;
    if (!ForEachEntry(Text, [&count](const Entry&) { ++count; }) || count == 0) {
        return 0;
    }
    Names.reserve(count);
    Values.reserve(count);
    ForEachEntry(Text, [&](const Entry& entry) {
        std::string name;
        name.reserve(Prefix.size() + entry.Name.size());
        name.append(Prefix).append(entry.Name);
        Names.push_back(std::move(name));
        Values.push_back(entry.Value);
    });
    return static_cast<std::int32_t>(count);
}

// --- Notation writers -----------------------------------------------------------------------------

std::string FormatColorText(OLE_COLOR Color, const HSBValues& HSV, std::int32_t Mode) {
    switch (Mode) {
    case 0:
        return RGBLine(Color);
    case 1:
        return HSVNotation(HSV);
    case 2: {
        HSBValues computed;
        modColorModels::RGBToHSB(Color, computed);
        return RGBLine(Color) + " " + HSVNotation(computed);
    }
    default:
        return {};
    }
}

std::string FormatRGBText(OLE_COLOR Color) {
    return FormatColorText(Color, HSBValues{}, 0);
}

std::string FormatHSVText(const HSBValues& HSV) {
    return FormatColorText(0, HSV, 1);
}

std::string FormatHex(std::int32_t Value, std::int32_t MinDigits, bool WithPrefix) {
    char digits[8];
    const auto result = std::to_chars(digits, digits + sizeof digits, OleColor::Bits(Value), 16);
    std::transform(digits, result.ptr, digits,
                   [](char c) { return c >= 'a' && c <= 'f' ? char(c - 'a' + 'A') : c; });
    const auto count = static_cast<std::size_t>(result.ptr - digits);
    const auto width = static_cast<std::size_t>(std::max(MinDigits, std::int32_t{2}));
    std::string text = WithPrefix ? "&H" : "";
    if (count < width) {
        text.append(width - count, '0');
    }
    text.append(digits, count);
    return text;
}

std::string AlignRight(const std::string& Text, std::int32_t Width) {
    if (Width <= 0) {
        return {};
    }
    const auto width = static_cast<std::size_t>(Width);
    const std::size_t length = TextRules::CharCount(Text);
    if (length >= width) {
        return std::string(TextRules::Right(Text, width));
    }
    return std::string(width - length, ' ') + Text;
}

// --- Notation readers -----------------------------------------------------------------------------

std::int32_t ParseLong(const std::string& Text) {
    return NumberReader::ConvertToInt32(Text).value_or(0);
}

std::int32_t ParseRGBText(const std::string& NewText, const std::string& OldText) {
    modTintrix::RGBTextParts edited;
    if (!modTintrix::SplitRGBText(NewText, edited)) {
        return -1;
    }
    // Equal texts split alike; an unedited line (Enter pressed on it) is the common case.
    modTintrix::RGBTextParts shown;
    if (NewText == OldText) {
        shown = edited;
    } else if (!modTintrix::SplitRGBText(OldText, shown)) {
        return -1;
    }
    if (edited[0] != shown[0]) {
        // Taken as typed, without a range check: &H80000005 is the system colour 5.
        const NumberReader::Reading hex = NumberReader::ReadLeadingNumber(edited[0]);
        return hex.Overflow ? -1 : Rounding::TryRoundToInt32(hex.Value).value_or(-1);
    }
    if (edited[1] != shown[1]) {
        // "#RRGGBB": characters missing from a short web part give short or empty hex texts.
        for (std::size_t component = 0; component < 3; ++component) {
            edited[2 + component] = "&H" + std::string(TextRules::Mid(edited[1], 1 + 2 * component, 2));
        }
    }
    const OLE_COLOR color = modTintrix::ParseRGBComponents(edited[2], edited[3], edited[4]);
    return color >= 0 ? color : -1;
}

} // namespace modNamedColors
