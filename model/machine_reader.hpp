#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "machine.hpp"

namespace kolva {

// Why a text gives no machine: the line it stumbled on and why, in words the
// user can act on ("Kolva counts 0, 1, 2, 4 or 8 processors").
struct PasteRefusal {
    std::size_t line = 0;  // counted from 1; 0 where the text as a whole is no machine
    std::string text;      // that line, without quote markers and the spaces around it
    std::string reason;    // one short sentence, without a full stop

    friend bool operator==(const PasteRefusal&, const PasteRefusal&) = default;
};

// Reads a machine from text that Kolva copied, as people and programs leave
// it: letters in any case, "x", "X" or "*" for "×", the title line left out,
// any line endings, blank lines and spaces around it, a quote marker ("> ")
// before each line, the figures and the make-up changed or missing (they are
// always worked out again). Whole or not at all: a text with a line Kolva
// cannot read gives no machine, only why.
std::variant<Machine, PasteRefusal> readMachine(std::string_view text);

}  // namespace kolva
