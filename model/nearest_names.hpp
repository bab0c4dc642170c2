#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kolva {

// At most `count` names of `known` near to `written`, letter case aside, by
// how many letters would have to be added, dropped, changed or swapped: the
// nearest first, those as near in the order `known` gives them, none much
// farther than the nearest, and "…" where `known` holds more: "DVDRW,
// DVD-ROM, CDRW, …" for "dvd-rw". For nothing written, the first names.
std::string nearestNames(std::string_view written, std::span<const std::string_view> known,
                         std::size_t count = 3);

}  // namespace kolva
