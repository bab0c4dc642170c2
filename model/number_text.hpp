#pragma once

#include <string>
#include <string_view>

namespace kolva {

// The one conversion between the text a slot or figure holds and a number.
// It never follows the user's locale: "." is always the decimal point.

// Reads decimal text such as "7.5" or "300". Text that does not start with a
// number reads as 0, so a stray text can never stop a recalculation.
double toNumber(std::string_view text);

// Writes the number rounded to 15 significant digits in plain decimal
// notation: no exponent, no grouping, no trailing zeros ("300", "7.5").
std::string toText(double value);

}  // namespace kolva
