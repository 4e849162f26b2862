#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the program reads and writes numbers: always with a decimal comma, whatever the machine's locale.
namespace colourcode {

// Plain decimal with at most 15 significant digits, rounded, no exponent, no grouping, no trailing
// zeros or separator, a comma as decimal separator: 4700 -> "4700", 0.47 -> "0,47", 47 * 0.1 -> "4,7".
std::string formatNumber(double value);

// A typed number: decimal digits with at most one comma and at least one digit ("4", "4,", ",5",
// "0047"). Signs, blanks, points, exponents and letters are not numbers.
bool isNumeric(std::string_view text);

// The value of a text that isNumeric accepts; empty for any other text.
std::optional<double> parseNumber(std::string_view text);

} // namespace colourcode
