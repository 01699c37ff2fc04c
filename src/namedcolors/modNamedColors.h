#pragma once

#include "colormodels/modColorModels.h"
#include "common/OleColor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Named colours and the colour notation writers. Tables and files come as two parallel,
// zero-based arrays: Names (UTF-8 strings with a group prefix) and Values (OLE_COLOR).
// Nothing here keeps state, shows messages or throws for any input.
namespace modNamedColors {

using NameList = std::vector<std::string>;
using ValueList = std::vector<OLE_COLOR>;

// --- Built-in tables -------------------------------------------------------------------------

// Each fills both arrays with exactly one table, in table order, whatever they held before:
// 29 "SYS_" entries (values 0x80000000 + index), 11 "BASE_" entries, and 136 web entries
// (16 "HTMLB_", then 120 "HTMLS_", each the CSS keyword's value as 0x00BBGGRR).
void GetSystemColors(NameList& Names, ValueList& Values);
void GetBaseColors(NameList& Names, ValueList& Values);
void GetHTMLColors(NameList& Names, ValueList& Values);

// The name of the entry whose value equals Color exactly in the base or the web table;
// "" when there is none.
std::string NameOfBaseColor(OLE_COLOR Color);
std::string NameOfHTMLColor(OLE_COLOR Color);

// Append one entry at index Count and increase Count. The arrays are first cut or grown to
// Count elements (so the first call of a fill, with Count 0, drops what they held).
// AddSystemColor stores "SYS_" + Name; the others store the name their table gives Color.
void AddSystemColor(const std::string& Name, OLE_COLOR Color, NameList& Names, ValueList& Values,
                    std::int32_t& Count);
void AddBaseColor(OLE_COLOR Color, NameList& Names, ValueList& Values, std::int32_t& Count);
void AddHTMLColor(OLE_COLOR Color, NameList& Names, ValueList& Values, std::int32_t& Count);

// --- The user-defined colours file ------------------------------------------------------------

// Reads the file's entries ("name &HBBGGRR" lines split at CR LF) into the arrays, each name
// prefixed with Prefix, and returns their number. 0 means no user colours (a missing, empty,
// unreadable or void file); the arrays must then not be used.
std::int32_t GetUserDefinedColors(const std::string& FilePath, const std::string& Prefix, NameList& Names,
                                  ValueList& Values);

// The whole file decoded to UTF-8 (from UTF-8 where the bytes are valid UTF-8, otherwise from
// Windows-1252), or "" when it cannot be read. A missing file is created empty where the
// folder allows it. Directories, FIFOs, devices and files over 64 MiB read as "". A file that
// can be read but not written is read all the same.
std::string ReadTextFile(const std::string& FilePath);

// The two steps of the above that need no file system, for callers that hold the text already.
// DecodeTextFile: the file's bytes as UTF-8, a leading UTF-8 byte order mark dropped.
// ParseUserDefinedColors: GetUserDefinedColors on the decoded text of a file; "" gives 0 and
// leaves the arrays as they are, a void text gives 0 and empties them.
std::string DecodeTextFile(std::string Bytes);
std::int32_t ParseUserDefinedColors(std::string_view Text, const std::string& Prefix, NameList& Names,
                                    ValueList& Values);

// --- Notation writers -------------------------------------------------------------------------

// Mode 0: the RGB line "&HBBGGRR #RRGGBB RGB(rrr, ggg, bbb)" of Color; 1: the HSV notation
// "HSV(hhh, s.ssss, v.vvvv)" of HSV; 2: the RGB line, a blank and the HSV notation computed
// from Color; any other mode: "". A system colour is written with its current RGB. The
// decimal separator is always ".", whatever the locale.
std::string FormatColorText(OLE_COLOR Color, const HSBValues& HSV, std::int32_t Mode);
std::string FormatRGBText(OLE_COLOR Color);      // FormatColorText(Color, any, 0)
std::string FormatHSVText(const HSBValues& HSV); // FormatColorText(0, HSV, 1)

// Value as unsigned 32-bit upper-case hexadecimal, zero-padded to max(MinDigits, 2) digits
// (never cut), with "&H" in front when WithPrefix.
std::string FormatHex(std::int32_t Value, std::int32_t MinDigits, bool WithPrefix);

// The last Width characters of Width blanks followed by Text.
std::string AlignRight(const std::string& Text, std::int32_t Width);

// --- Notation readers -------------------------------------------------------------------------

// Text as a 32-bit integer: decimal (a fraction rounded half to even) or "&H" and hexadecimal
// digits (&HFFFFFFFF is -1). The whole text must be the number, spaces around it allowed; 0
// when it is not ("12abc", "", "1 2"), or is out of range.
std::int32_t ParseLong(const std::string& Text);

// The colour of the edited RGB line NewText against the line OldText shown before: the first
// altered notation wins, in the order hexadecimal, web, decimal. An altered hexadecimal part is
// returned as typed, without a range check (&H80000005 is a system colour). -1 when either line
// does not split, the hexadecimal part exceeds 32 bits or a decimal component lies outside
// 0..255. Numbers are read tolerantly (see common/NumberReader.h).
std::int32_t ParseRGBText(const std::string& NewText, const std::string& OldText);

} // namespace modNamedColors
