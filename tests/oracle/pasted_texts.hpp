#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kolva::oracle {

// Texts as people paste them, written out apart from the reader's own words.

// A text Kolva refuses, the line it stumbles on (0 for the text as a whole)
// and why.
struct RefusedText {
    std::string name;
    std::string text;
    std::size_t line;
    std::string reason;
};

std::span<const RefusedText> refusedTexts();

// A text changed as people change text, and the text as Kolva copied it: both
// paste as the same machine.
struct ForgivenText {
    std::string name;
    std::string text;
    std::string copied;
};

std::span<const ForgivenText> forgivenTexts();

}  // namespace kolva::oracle
