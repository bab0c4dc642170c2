#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kolva::fuzz {

// Reads the bytes as pasted text. A machine read from them, applied to a
// fresh model and copied again, must read back as the same machine, and the
// copy of that must be the same text. Returns what went wrong, if anything.
std::optional<std::string> pasteFault(std::span<const std::uint8_t> text);

}  // namespace kolva::fuzz
