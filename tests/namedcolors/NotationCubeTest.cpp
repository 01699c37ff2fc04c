// Properties of the notation over all 16,777,216 RGB colours, in slices of the blue byte so
// that CTest can run them side by side.
#include "namedcolors/modNamedColors.h"

#include <gtest/gtest.h>
#include <string>

using namespace modNamedColors;

namespace {

constexpr int kSlices = 8;
constexpr int kBluesPerSlice = 256 / kSlices;

// The optimised build checks every colour. Under the address sanitizer, which looks for memory
// faults rather than wrong values, every 7th colour (a step prime to 256, so every value of
// every byte still occurs) keeps the run short.
#ifdef __SANITIZE_ADDRESS__
constexpr OLE_COLOR kStep = 7;
#else
constexpr OLE_COLOR kStep = 1;
#endif

class NotationCube : public testing::TestWithParam<int> {};

TEST_P(NotationCube, EveryRGBLineReadsBackAsItsColour) {
    const OLE_COLOR first = GetParam() * kBluesPerSlice << 16;
    const OLE_COLOR end = (GetParam() + 1) * kBluesPerSlice << 16;
    int failures = 0;
    OLE_COLOR firstFailure = -1;
    for (OLE_COLOR c = first; c < end; c += kStep) {
        const std::string line = FormatRGBText(c);
        if (ParseRGBText(line, line) != c && failures++ == 0) {
            firstFailure = c;
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << FormatRGBText(firstFailure);
}

INSTANTIATE_TEST_SUITE_P(AllColours, NotationCube, testing::Range(0, kSlices), [](const auto& info) {
    return "Blue" + std::to_string(info.param * kBluesPerSlice) + "To" +
           std::to_string((info.param + 1) * kBluesPerSlice - 1);
});

} // namespace
