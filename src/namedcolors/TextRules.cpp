#include "TextRules.h"

#include <array>
#include <cstdint>

namespace TextRules {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The byte offset of character position Index (Text.size() when Index is at or past the end).
std::size_t OffsetOfChar(std::string_view Text, std::size_t Index) {
    std::size_t offset = 0;
    for (std::size_t seen = 0; offset < Text.size(); ++offset) {
        if (!IsContinuation(static_cast<unsigned char>(Text[offset]))) {
            if (seen == Index) {
                return offset;
            }
            ++seen;
        }
    }
    return offset;
}

void AppendCodePoint(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// 0x80..0x9F of Windows-1252; the rest of the code page equals its code point.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool IsValid(std::string_view Bytes) {
    std::size_t i = 0;
    while (i < Bytes.size()) {
        const auto lead = static_cast<unsigned char>(Bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return false;
        }
        if (Bytes.size() - i <= extra) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto byte = static_cast<unsigned char>(Bytes[i + k]);
            if (!IsContinuation(byte)) {
                return false;
            }
            cp = (cp << 6) | (byte & 0x3F);
        }
        const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string FromWindows1252(std::string_view Bytes) {
    std::string out;
    out.reserve(Bytes.size() + Bytes.size() / 2);
    for (const char c : Bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendCodePoint(out, byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte);
    }
    return out;
}

std::size_t CharCount(std::string_view Text) {
    std::size_t count = 0;
    for (const char c : Text) {
        count += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return count;
}

std::string_view Mid(std::string_view Text, std::size_t Start, std::size_t Count) {
    const std::size_t begin = OffsetOfChar(Text, Start);
    const std::string_view rest = Text.substr(begin);
    return rest.substr(0, OffsetOfChar(rest, Count));
}

std::string_view Right(std::string_view Text, std::size_t Count) {
    const std::size_t total = CharCount(Text);
    return total <= Count ? Text : Text.substr(OffsetOfChar(Text, total - Count));
}

std::string_view TrimSpaces(std::string_view Text) {
    const std::size_t first = Text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return Text.substr(first, Text.find_last_not_of(' ') + 1 - first);
}

bool SplitArguments(std::string_view Text, std::string_view Word, std::string (&Pieces)[3]) {
    for (std::string& piece : Pieces) {
        piece.clear();
    }
    std::size_t piece = 0;
    for (std::size_t i = 0; i < Text.size() && piece < 3;) {
        // Matching Word on the original text, left to right and without overlap, removes it
        // exactly as a first pass would, before the parentheses go.
        if (!Word.empty() && Text[i] == Word[0] && Text.compare(i, Word.size(), Word) == 0) {
            i += Word.size();
            continue;
        }
        const char c = Text[i++];
        if (c == ',') {
            ++piece;
        } else if (c != '(' && c != ')') {
            Pieces[piece] += c;
        }
    }
    if (piece != 2) {
        for (std::string& p : Pieces) {
            p.clear();
        }
        return false;
    }
    for (std::string& p : Pieces) {
        p.erase(p.find_last_not_of(' ') + 1); // npos + 1 is 0: all spaces
        p.erase(0, p.find_first_not_of(' '));
    }
    return true;
}

} // namespace TextRules
