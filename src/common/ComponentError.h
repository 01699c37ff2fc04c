#pragma once

#include <cstdint>
#include <exception>
#include <string>

// The error the classes CColorModels and CZoom throw for an invalid argument: a number
// (always 5, "invalid procedure call or argument"), the source ("Class.Member") and a
// description, exactly as a caller may show or compare them.
class ComponentError : public std::exception {
public:
    static constexpr std::int32_t InvalidParameter = 5;

    ComponentError(std::int32_t Number, std::string Source, std::string Description);

    std::int32_t Number() const noexcept { return mNumber; }
    const std::string& Source() const noexcept { return mSource; }
    const std::string& Description() const noexcept { return mDescription; }

    // Source and description on one line, for logs and test output.
    const char* what() const noexcept override { return mWhat.c_str(); }

private:
    std::int32_t mNumber;
    std::string mSource;
    std::string mDescription;
    std::string mWhat;
};
