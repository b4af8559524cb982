#pragma once
// Comparing property values in tests: TPropValue holds handlers in a std::any, which has no ==.

#include "core/ClassInfo.h"

#include <type_traits>
#include <variant>

namespace testsupport {

// Values of a kind that can be compared; handlers (in a std::any) never equal anything.
inline bool SameValue(const platform::TPropValue& a, const platform::TPropValue& b)
{
    if (a.index() != b.index())
        return false;
    return std::visit([&](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::any>)
            return false;
        else
            return x == std::get<T>(b);
    }, a);
}

}  // namespace testsupport
