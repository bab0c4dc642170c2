#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "machine.hpp"

namespace kolva {

// Reads a machine from text that Kolva copied, as forums and mail leave it:
// any line endings, blank lines and spaces around it, a quote marker ("> ")
// before each line, the figures and the make-up changed or missing (they are
// always worked out again). Anything else gives no machine but one short
// sentence that says why.
std::variant<Machine, std::string> readMachine(std::string_view text);

}  // namespace kolva
