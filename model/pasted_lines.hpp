#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolva {

// A line of pasted text as Kolva reads it: without the quote markers ("> ")
// and the wrappers that mail, forums and Markdown put around text ("```",
// "[code]", "[quote=…]" and their closing forms), with every run of spaces,
// tabs and no-break spaces one space and none at either end.
std::string plainLine(std::string_view line);

// The plain lines of a text, split at its line breaks, whichever they are.
std::vector<std::string> plainLinesOf(std::string_view text);

// `text` with its ASCII letters in lower case, as names and entries are
// compared.
std::string lowerCase(std::string_view text);

}  // namespace kolva
