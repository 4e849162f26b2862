#pragma once

#include "bandstate.h"

#include <optional>
#include <string>
#include <string_view>

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

// The significant digits joined into one number: B1 B2, and B3 on five and six bands.
int joinedDigits(const BandState& state);

// A value in ohms in the unit the display picks for it: "4,7" and "KW" with power 3 for 4700.
struct ScaledValue
{
    std::string number;
    std::string_view unit;
    int unitPower = 0;
};

ScaledValue scaleForDisplay(double ohms);

// The unit as people read it: the "W" that stands for an omega in the display's own texts becomes the
// omega itself, so "KW" reads "KΩ". Every window and every text for elsewhere goes through here.
std::string withOmega(std::string_view unit);

// The resistor in one line for other programs, value and unit as the display shows them, the colours of
// the bands in use in reading order and the letter code:
// "4,7 KΩ ± 5% – giallo, viola, rosso, oro – 4K7J".
std::string copyText(const BandState& state);
// The display in words, for a screen reader: "4,7 kiloohm, tolleranza \u00b1 5%, coefficiente non presente".
std::string spokenDisplay(const BandState& state);

} // namespace colourcode
