#pragma once

#include "bandstate.h"
#include "messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace colourcode {

// A value to paint, in the terms of the colour code. The value entry window, a paste and the steps
// through the standard values all hand the encoder this.
struct EncoderInput
{
    std::string_view text; // the value, decimal comma: "4,7"
    int unitPower = 0; // the unit's power of ten: 0, 3 or 6
    double tolerance = 5; // percent
    std::optional<double> coefficient; // ppm/K; none for a resistor without a coefficient band
};

// The range the colours can show, in ohms.
inline constexpr double kLowestOhms = 0.1;
inline constexpr double kHighestOhms = 999e6;

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

// The coefficient a resistor carries: only six bands show one.
std::optional<double> shownCoefficient(const BandState& state);

} // namespace colourcode
