#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "estimate.hpp"
#include "machine.hpp"

namespace kolva {

// Why a text gives no machine: the line it stumbled on and why, in words the
// user can act on, whole and in brief.
struct PasteRefusal {
    std::size_t line = 0;  // counted from 1; 0 where the text as a whole is no machine
    std::string text;      // that line, without quote markers, wrappers and spare spaces
    // One sentence without a full stop, naming what was written and what
    // would do: "Kolva lists no optical drive "dvd-rw"; it lists DVD-ROM, …".
    std::string reason;
    // Its first clause, short enough for a one-line place: "Kolva lists no
    // optical drive "dvd-rw"".
    std::string brief;

    friend bool operator==(const PasteRefusal&, const PasteRefusal&) = default;
};

// A figure as the pasted text states it: which one and what it says.
struct StatedFigure {
    FigureOf figure = nullptr;
    std::string text;

    friend bool operator==(const StatedFigure&, const StatedFigure&) = default;
};

// A machine read from text, with the figures the text claims for it.
struct PastedMachine {
    Machine machine;
    std::vector<StatedFigure> stated;
};

// Reads the machine that a text copied from Kolva holds, wherever it stands
// in what people post: after a greeting, before a signature, quoted ("> "),
// wrapped in "```", "[code]" or "[quote]", with blank lines anywhere and its
// lines in any order, in any letter case, with "x", "X" or "*" for "×" and
// with or without its title line. Its block runs from the title or the first
// part to the last line of Kolva's own; every line inside it must be a part,
// the ticked boxes, a figure, the make-up or blank. Whole or not at all: a
// text with a line Kolva cannot read gives no machine, only why.
std::variant<PastedMachine, PasteRefusal> readMachine(std::string_view text);

// Whether the pasted text claims a figure other than the one its parts give:
// the figures are always worked out again.
bool statesOtherFigures(const PastedMachine& pasted, const Estimate& worked);

}  // namespace kolva
