#pragma once

#include "bandstate.h"
#include "messages.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace colourcode {

// What the value entry window hands over when its button is pressed.
struct EncoderInput
{
    std::string_view text; // the typed value, decimal comma
    int unitPosition = 0;
    int unitPower = 0; // the unit's item data: 0, 3 or 6
    std::string_view tolerance; // the selected tolerance text, such as "5%"
    int coefficientPosition = 0;
    int coefficientData = 1; // item data: position + 1; 1 is "Non presente"
};

struct EncoderMessage
{
    MessageIcon icon;
    std::string_view text;
};

struct BandPaint
{
    int band;
    Colour colour;
    friend bool operator==(const BandPaint&, const BandPaint&) = default;
};

// A value the colours can show: the text to write back into the box (leading zeros gone), the band
// paintings in the order they are made, and the band state after them. iBanda is never touched.
struct Encoding
{
    std::string valueText;
    std::vector<BandPaint> paints;
    BandState state;
};

using EncoderResult = std::variant<EncoderMessage, Encoding>;

// Works out digits, multiplier, tolerance and coefficient of a typed value. Either one message and
// nothing to write, or everything to write: a rejected value leaves the resistor as it was.
EncoderResult encodeValue(const EncoderInput& input, const BandState& current);

} // namespace colourcode
