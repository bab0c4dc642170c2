#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace kolva {

// Texts joined at compile time, for a text that begins or ends with one that
// stands elsewhere on its own:  Joined<kName, kSpace, kVersion>::text
template <const std::string_view&... Parts>
struct Joined {
    static constexpr auto chars = [] {
        std::array<char, (Parts.size() + ...)> all{};
        auto at = all.begin();
        ((at = std::copy(Parts.begin(), Parts.end(), at)), ...);
        return all;
    }();
    static constexpr std::string_view text{chars.data(), chars.size()};
};

}  // namespace kolva
