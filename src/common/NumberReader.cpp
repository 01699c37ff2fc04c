#include "NumberReader.h"

#include "common/Rounding.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace NumberReader {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Walks a text character by character with the blanks left out. Consumed() is the position
// just after the last character taken, so blanks after the number never count as read.
class Cursor {
public:
    explicit Cursor(std::string_view text) : mText(text) {}

    // The next character that is not a blank; '\0' at the end (a NUL in the text stops a
    // number just as the end does).
    char Peek() {
        while (mNext < mText.size() && IsBlank(mText[mNext])) {
            ++mNext;
        }
        return mNext < mText.size() ? mText[mNext] : '\0';
    }
    void Take() {
        Peek();
        mConsumed = ++mNext;
    }
    std::size_t Consumed() const { return mConsumed; }
    // Goes back to a position saved from Consumed(), for an exponent that turned out incomplete.
    void Restore(std::size_t consumed) { mConsumed = mNext = consumed; }

private:
    std::string_view mText;
    std::size_t mNext = 0;
    std::size_t mConsumed = 0;
};

constexpr std::uint64_t kMaxPattern = 0xFFFFFFFFu;
// Beyond this an exponent only decides between overflow and zero.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

Reading ReadHex(Cursor& cursor) {
    std::uint64_t bits = 0;
    bool overflow = false;
    bool any = false;
    for (int digit = HexDigitValue(cursor.Peek()); digit >= 0; digit = HexDigitValue(cursor.Peek())) {
        cursor.Take();
        any = true;
        if (!overflow) {
            bits = bits * 16 + static_cast<std::uint64_t>(digit);
            overflow = bits > kMaxPattern;
        }
    }
    if (!any) {
        return {};
    }
    if (overflow) {
        return {0.0, cursor.Consumed(), true};
    }
    return {static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits))),
            cursor.Consumed(), false};
}

std::string TakeDigits(Cursor& cursor) {
    std::string digits;
    while (IsDigit(cursor.Peek())) {
        digits += cursor.Peek();
        cursor.Take();
    }
    return digits;
}

// The exponent's value, saturated at +-kExponentLimit; 0 (and nothing taken) unless "e" is
// followed by an optional sign and at least one digit.
std::int64_t TakeExponent(Cursor& cursor) {
    const char e = cursor.Peek();
    if (e != 'e' && e != 'E') {
        return 0;
    }
    const std::size_t before = cursor.Consumed();
    cursor.Take();
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Take();
    }
    if (!IsDigit(cursor.Peek())) {
        cursor.Restore(before);
        return 0;
    }
    std::int64_t exponent = 0;
    while (IsDigit(cursor.Peek())) {
        exponent = std::min(exponent * 10 + (cursor.Peek() - '0'), kExponentLimit);
        cursor.Take();
    }
    return negative ? -exponent : exponent;
}

// Whether a decimal that from_chars found out of range is too large (rather than too small):
// the position of its leading non-zero digit relative to the decimal point decides.
bool IsTooLarge(const std::string& integral, const std::string& fraction, std::int64_t exponent) {
    if (!integral.empty()) {
        return static_cast<std::int64_t>(integral.size()) + exponent > 0;
    }
    const std::size_t leadingZeros = fraction.find_first_not_of('0');
    return exponent - static_cast<std::int64_t>(leadingZeros) > 0;
}

Reading ReadDecimal(Cursor& cursor) {
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Take();
    }
    std::string integral = TakeDigits(cursor);
    std::string fraction;
    if (cursor.Peek() == '.') {
        cursor.Take();
        fraction = TakeDigits(cursor);
    }
    if (integral.empty() && fraction.empty()) {
        return {};
    }
    const std::int64_t exponent = TakeExponent(cursor);
    const std::size_t length = cursor.Consumed();

    if (fraction.empty() && exponent == 0 && integral.size() <= 15) {
        // Exact in a double: the common case of a plain component or hue needs no conversion.
        double whole = 0.0;
        for (const char digit : integral) {
            whole = whole * 10 + (digit - '0');
        }
        return {whole == 0.0 || !negative ? whole : -whole, length, false};
    }
    // A normalised copy for from_chars, which reads with the "C" rules whatever the locale.
    integral.erase(0, std::min(integral.find_first_not_of('0'), integral.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (integral.empty() && fraction.empty()) {
        return {0.0, length, false};
    }
    std::string normalised = (integral.empty() ? "0" : integral) + "." + (fraction.empty() ? "0" : fraction) +
                             "e" + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (IsTooLarge(integral, fraction, exponent)) {
            return {0.0, length, true};
        }
        value = 0.0;
    }
    if (value == 0.0) {
        return {0.0, length, false}; // never a negative zero, which would print as "-0.0000"
    }
    return {negative ? -value : value, length, false};
}

} // namespace

Reading ReadLeadingNumber(std::string_view Text) {
    Cursor cursor(Text);
    if (cursor.Peek() == '&') {
        cursor.Take();
        if (cursor.Peek() != 'H' && cursor.Peek() != 'h') {
            return {};
        }
        cursor.Take();
        return ReadHex(cursor);
    }
    return ReadDecimal(cursor);
}

std::optional<std::int32_t> ConvertToInt32(std::string_view Text) {
    const std::size_t first = Text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view number = Text.substr(first, Text.find_last_not_of(' ') + 1 - first);
    if (number.find_first_of(" \t\n") != std::string_view::npos) {
        return std::nullopt;
    }
    const Reading reading = ReadLeadingNumber(number);
    if (reading.Length != number.size() || reading.Overflow) {
        return std::nullopt;
    }
    return Rounding::TryRoundToInt32(reading.Value);
}

} // namespace NumberReader
