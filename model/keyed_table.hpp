#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kolva {

// Tables indexed by an enumeration name their key in every row. This tells,
// at compile time, whether row i belongs to the enumeration's value i, so a
// row moved out of place fails the build:
//   static_assert(inKeyOrder(kRows, &Row::list));
template <typename Row, std::size_t N>
consteval bool inKeyOrder(const std::array<Row, N>& rows, auto key) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].*key) != i) {
            return false;
        }
    }
    return true;
}

// A row that gives one text for one key.
template <typename Key>
struct KeyedText {
    Key key;
    std::string_view text;
};

}  // namespace kolva
