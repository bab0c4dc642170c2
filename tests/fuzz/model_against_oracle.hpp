#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kolva::fuzz {

// Turns bytes into user actions on a freshly loaded model and checks every
// step against the oracle. Each action takes two bytes: what to do and which
// entry. Returns what the two first disagree on, if they ever do.
std::optional<std::string> disagreement(std::span<const std::uint8_t> actions);

}  // namespace kolva::fuzz
