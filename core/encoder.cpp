#include "encoder.h"

#include "numbers.h"

#include <algorithm>
#include <optional>

namespace colourcode {
namespace {

struct DigitScan
{
    std::string digits;
    int decimals = 0;
};

// The characters of the text without its comma, and how many stand behind the comma.
DigitScan scanDigits(std::string_view text)
{
    DigitScan scan;
    const auto comma = text.find(',');
    scan.decimals = comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
    for (char c : text) {
        if (c != ',')
            scan.digits += c;
    }
    return scan;
}

std::string withoutLeadingZeros(std::string digits)
{
    const auto first = digits.find_first_not_of('0');
    digits.erase(0, std::min(first, digits.size() - 1));
    return digits;
}

std::optional<Colour> digitColour(char c)
{
    if (c < '0' || c > '9')
        return std::nullopt;
    return colourFor(2, c - '0');
}

class Painter
{
public:
    explicit Painter(const BandState& current) { m_result.state = current; }

    void paint(int band, Colour colour)
    {
        m_result.paints.push_back({band, colour});
        setBandVariable(m_result.state, band, colour);
    }

    void paintEmpty(int band) { m_result.paints.push_back({band, Colour::niente}); }

    BandState& state() { return m_result.state; }

    Encoding take(std::string valueText)
    {
        m_result.valueText = std::move(valueText);
        return std::move(m_result);
    }

private:
    Encoding m_result;
};

std::optional<EncoderMessage> rangeMessage(double value, const EncoderInput& input)
{
    // The limits hold in ohms whatever the unit, so zero kilo-ohms is as out of range as 0,05 ohms.
    double ohms = value;
    for (int i = 0; i < input.unitPower; ++i)
        ohms *= 10;
    if (ohms < kLowestOhms || ohms > kHighestOhms)
        return EncoderMessage {MessageIcon::Critical, kRangeMessage};
    if (ohms < 1 && input.coefficient)
        return EncoderMessage {MessageIcon::Critical, kCoefficientBelowOneOhmMessage};
    return std::nullopt;
}

} // namespace

EncoderResult encodeValue(const EncoderInput& input, const BandState& current)
{
    const std::optional<double> value = parseNumber(input.text);
    if (!value)
        return EncoderMessage {MessageIcon::Exclamation, kNotNumericMessage};

    if (auto message = rangeMessage(*value, input))
        return *message;
    const std::optional<Colour> toleranceColour = colourFor(5, input.tolerance);
    if (!toleranceColour)
        return EncoderMessage {MessageIcon::Exclamation, kToleranceWithoutColourMessage};
    const auto coefficientColour = input.coefficient ? colourFor(6, *input.coefficient) : std::nullopt;
    if (input.coefficient && !coefficientColour)
        return EncoderMessage {MessageIcon::Critical, kUnrepresentableMessage};

    std::string text(input.text);
    if (*value > 1) {
        while (text.size() > 1 && text.front() == '0')
            text.erase(0, 1);
    }

    DigitScan scan = scanDigits(text);
    const int scale = input.unitPower - scan.decimals;
    if (scale > 0)
        scan.digits.append(static_cast<std::size_t>(scale), '0');
    const std::string digits = withoutLeadingZeros(scan.digits);

    Painter painter(current);
    BandState& state = painter.state();

    if (digits[0] != '0') {
        if (const auto colour = digitColour(digits[0]))
            painter.paint(1, *colour);
    }
    const auto second = digits.size() > 1 ? digitColour(digits[1]) : std::nullopt;
    painter.paint(2, second.value_or(Colour::nero));

    int keptDigits = 2;
    const auto third = digits.size() > 2 && digits[2] != '0' ? digitColour(digits[2]) : std::nullopt;
    if (third) {
        painter.paint(3, *third);
        state.TipoRes = 5;
        keptDigits = 3;
    } else {
        painter.paintEmpty(3);
        state.TipoRes = 4;
    }

    painter.paint(5, *toleranceColour);
    if (coefficientColour)
        painter.paint(6, *coefficientColour);
    else
        painter.paintEmpty(6);

    // Digits beyond the kept ones are dropped, not rounded: 1255 ohms is 125 x 10.
    int exponent = static_cast<int>(digits.size()) - keptDigits + std::min(scale, 0);

    // A coefficient needs six bands. Two digits become three with a trailing 0; three stay as they are.
    if (coefficientColour) {
        if (state.TipoRes == 4) {
            --exponent;
            painter.paint(3, Colour::nero);
        }
        state.TipoRes = 6;
    }

    const std::optional<double> multiplier = multiplierForExponent(exponent);
    const auto multiplierColour = multiplier ? colourFor(4, *multiplier) : std::nullopt;
    if (!multiplierColour)
        return EncoderMessage {MessageIcon::Critical, kUnrepresentableMessage};
    painter.paint(4, *multiplierColour);

    return painter.take(std::move(text));
}

std::optional<double> shownCoefficient(const BandState& state)
{
    return state.TipoRes == 6 ? std::optional<double>(state.BC) : std::nullopt;
}

} // namespace colourcode
