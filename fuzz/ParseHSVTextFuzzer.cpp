// The edited HSV text, arbitrary.
#include "FuzzCheck.h"
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const HSBValues hsv = modTintrix::ParseHSVText(text, "HSV(  0, 0.0000, 0.0000)");
    if (hsv.Hue == -1) {
        FUZZ_CHECK(hsv.Sat == 0.0f && hsv.Bright == 0.0f);
        return 0;
    }
    FUZZ_CHECK(hsv.Hue >= 0 && hsv.Hue <= 359);
    FUZZ_CHECK(hsv.Sat >= 0.0f && hsv.Sat <= 1.0f);
    FUZZ_CHECK(hsv.Bright >= 0.0f && hsv.Bright <= 1.0f);
    // What was read is written in a form that reads again.
    const std::string shown = modNamedColors::FormatHSVText(hsv);
    const HSBValues again = modTintrix::ParseHSVText(shown, shown);
    FUZZ_CHECK(again.Hue == hsv.Hue && modNamedColors::FormatHSVText(again) == shown);
    return 0;
}
