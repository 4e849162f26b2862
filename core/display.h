#pragma once

#include "bandstate.h"

#include <optional>
#include <string>

namespace colourcode {

// The four texts under the drawn resistor. Units are "W", "KW" and "MW"; the windows draw the W as an
// omega. For a type other than 4, 5 or 6 only the tolerance is produced and the other labels keep theirs.
struct DisplayTexts
{
    std::optional<std::string> value; // lblValore: number and one trailing blank
    std::optional<std::string> unit; // lblOhm
    std::optional<std::string> coefficient; // lblcoeff
    std::string tolerance; // lbltoll
};

// The only place where the band state becomes a number; it never reads iBanda.
DisplayTexts Calcola(const BandState& state);

// The display in words, for a screen reader: "4,7 kiloohm, tolleranza \u00b1 5%, coefficiente non presente".
std::string spokenDisplay(const BandState& state);

} // namespace colourcode
