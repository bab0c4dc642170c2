#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "controls.hpp"

namespace kolva {

// A machine as copied text describes it: the entry each list is to show and
// whether each box is ticked. Lists left out show their first entry.
struct Machine {
    std::array<int, kListCount> entries{};
    std::array<bool, kBoxCount> ticked{};

    friend bool operator==(const Machine&, const Machine&) = default;
};

// Reads a machine from text that Kolva copied, as forums and mail leave it:
// any line endings, blank lines and spaces around it, a quote marker ("> ")
// before each line, the figures and the make-up changed or missing (they are
// always worked out again). Anything else gives no machine but one short
// sentence that says why.
std::variant<Machine, std::string> readMachine(std::string_view text);

}  // namespace kolva
