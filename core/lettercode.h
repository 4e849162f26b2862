#pragma once

#include "display.h"

#include <optional>
#include <string>

// The letter and digit code printed on small resistors and written in parts lists: the unit's letter
// stands where the decimal comma would (4K7, R47, 470R), and a letter for the tolerance may follow (4K7J).
namespace colourcode {

// B 0,1 %, C 0,25 %, D 0,5 %, F 1 %, G 2 %, J 5 %, K 10 %, M 20 %.
std::optional<char> toleranceLetter(double percent);
std::optional<double> toleranceOfLetter(char letter);

// The code of a value as the display scales it: "4,7" KW is "4K7", "0,47" W is "R47", "47" W is "47R".
std::string letterCode(const ScaledValue& value);

} // namespace colourcode
