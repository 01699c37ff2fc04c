#include "ComponentError.h"

#include <utility>

ComponentError::ComponentError(std::int32_t Number, std::string Source, std::string Description)
    : mNumber(Number), mSource(std::move(Source)), mDescription(std::move(Description)),
      mWhat("error " + std::to_string(mNumber) + " in " + mSource + ": " + mDescription) {}
