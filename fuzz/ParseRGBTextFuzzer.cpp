// The edited RGB line against the line shown before, both arbitrary.
#include "FuzzCheck.h"
#include "namedcolors/modNamedColors.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string oldText = input.ConsumeRandomLengthString(size);
    const std::string newText = input.ConsumeRemainingBytesAsString();
    modNamedColors::ParseRGBText(newText, oldText);

    // Unchanged text reads the decimal triple: a plain colour or -1, and that colour's own line
    // reads back as the colour.
    const OLE_COLOR same = modNamedColors::ParseRGBText(newText, newText);
    FUZZ_CHECK(same >= -1 && same <= 0xFFFFFF);
    if (same >= 0) {
        const std::string line = modNamedColors::FormatRGBText(same);
        FUZZ_CHECK(modNamedColors::ParseRGBText(line, line) == same);
    }
    return 0;
}
