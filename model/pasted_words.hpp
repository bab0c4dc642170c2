#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls.hpp"
#include "estimate.hpp"

namespace kolva {

// The words Kolva reads in a pasted machine, worked out once: each list's
// entries and name, each box's caption, and the names that a copied make-up's
// rows begin with, as Kolva writes them or in lower case, as they are compared.
struct Vocabulary {
    std::array<std::vector<std::string>, kListCount> entries;  // in lower case
    // The entries a user can choose that count, as Kolva writes them.
    std::array<std::vector<std::string_view>, kListCount> choosable;
    std::array<std::string, kListCount> names;  // in lower case, where a list names a part
    std::vector<std::string_view> partNames;    // with "Ticked"
    std::vector<std::string_view> captions;
    std::vector<std::string> makeUpNames;  // in lower case
    std::string title;
    std::string ticked;
    std::string overhead;
    std::string makeUpHeading;
    std::string nothingCounts;
    std::array<std::string, 2> waiting;  // the notes of a group that waits, in brackets
};

const Vocabulary& vocabulary();

// The list whose part is called `name`, in any letter case. A counted group
// is named once, at its model list.
std::optional<List> listNamed(std::string_view name);

// The figure that a figure line called `name` states, in any letter case.
FigureOf figureNamed(std::string_view name);

// Whether `text` ends as a number of watts does: "… 170 W".
bool endsInWatts(std::string_view text);

// `value` without the watts that a copied part carries after it, in brackets:
// "2 × Opteron (2 × 85 W = 170 W)" is "2 × Opteron".
std::string_view withoutWatts(std::string_view value);

}  // namespace kolva
