#pragma once

#include "encoder.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace colourcode {

// A value read from pasted or dropped text, ready for the encoder.
struct PastedValue
{
    std::string text; // decimal comma, no blanks: "4,7"
    int unitPower = 0; // 0, 3 or 6
    std::optional<double> tolerance; // percent, when a letter code carries its tolerance letter
    friend bool operator==(const PastedValue&, const PastedValue&) = default;
};

using PasteReading = std::variant<PastedValue, EncoderMessage>;

// Reads the letter codes of resistors (R47, 4R7, 47R, 4K7, 4K75, 4M7, with an optional tolerance letter
// after them: 4K7J) and plain numbers with a decimal comma or point, an optional k, K or M and an
// optional Ω or "ohm" ("4,7k", "4.7 kΩ", "4700", "0,47 ohm"), with blanks around. A value with more than
// three significant digits is refused rather than cut; any other text gets a warning naming the forms.
PasteReading readPastedText(std::string_view text);

// A pasted text painted on the resistor through the encoder: the tolerance comes from the letter if the
// text has one and stays as it is otherwise; a six-band resistor keeps its coefficient.
EncoderResult encodePastedText(std::string_view text, const BandState& current);

} // namespace colourcode
