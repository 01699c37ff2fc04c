#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text operations of the colour notation and the user colours file. Texts are UTF-8 byte
// strings; a "character" is a code point. The counting routines also accept invalid UTF-8
// without harm (every byte that is not a continuation byte starts a character). Nothing here
// depends on the locale.
namespace TextRules {

// Whether Bytes is well-formed UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool IsValid(std::string_view Bytes);

// Bytes of the Windows-1252 code page as UTF-8. Every byte maps to one character: the five
// bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, as Windows itself maps them, so no byte is lost.
std::string FromWindows1252(std::string_view Bytes);

// The number of characters of Text.
std::size_t CharCount(std::string_view Text);

// Up to Count characters of Text from the zero-based character position Start (empty when
// Start lies beyond the end).
std::string_view Mid(std::string_view Text, std::size_t Start, std::size_t Count);

// The last Count characters of Text (all of it when it is shorter).
std::string_view Right(std::string_view Text, std::size_t Count);

// Text without leading and trailing spaces (only " ": tabs and other blanks stay).
std::string_view TrimSpaces(std::string_view Text);

// The comma-separated pieces of a notation's argument list: Text with every Word removed (in one
// pass from the left, so "RRGBGB" without "RGB" is "RGB"; nothing when Word is empty), then
// every "(" and ")" removed, split at ",", and each piece without leading and trailing spaces.
// False, with empty pieces, unless there are exactly three.
bool SplitArguments(std::string_view Text, std::string_view Word, std::string (&Pieces)[3]);

} // namespace TextRules
