// The bytes of a user colours file, arbitrary: decoded and read as the file reader does, in
// memory.
#include "FuzzCheck.h"
#include "namedcolors/TextRules.h"
#include "namedcolors/modNamedColors.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        modNamedColors::DecodeTextFile(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(TextRules::IsValid(text));

    modNamedColors::NameList names{"before"};
    modNamedColors::ValueList values{-1};
    const std::int32_t count = modNamedColors::ParseUserDefinedColors(text, "USER_", names, values);
    if (text.empty()) {
        FUZZ_CHECK(count == 0 && names.size() == 1 && values.size() == 1);
        return 0;
    }
    FUZZ_CHECK(count >= 0);
    FUZZ_CHECK(names.size() == static_cast<std::size_t>(count) && values.size() == names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(names[i].size() > 5 && names[i].compare(0, 5, "USER_") == 0);
        FUZZ_CHECK(values[i] >= 0 && values[i] <= 0xFFFFFF);
    }
    return 0;
}
