// A typed mask or number, arbitrary; also the tolerant reader behind every notation reader.
#include "FuzzCheck.h"
#include "common/NumberReader.h"
#include "namedcolors/modNamedColors.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = modNamedColors::ParseLong(text);
    // The mask is written back in hexadecimal; that text reads as the same number.
    FUZZ_CHECK(modNamedColors::ParseLong(modNamedColors::FormatHex(value, 6, true)) == value);

    const NumberReader::Reading reading = NumberReader::ReadLeadingNumber(text);
    FUZZ_CHECK(reading.Length <= text.size());
    FUZZ_CHECK(std::isfinite(reading.Value));
    FUZZ_CHECK(!reading.Overflow || reading.Value == 0.0);
    FUZZ_CHECK(reading.Length > 0 || reading.Value == 0.0);
    // What follows the number does not change it.
    const NumberReader::Reading prefix = NumberReader::ReadLeadingNumber(text.substr(0, reading.Length));
    FUZZ_CHECK(prefix.Length == reading.Length && prefix.Overflow == reading.Overflow);
    FUZZ_CHECK(prefix.Value == reading.Value);
    return 0;
}
