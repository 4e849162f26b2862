#include "numbers.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace colourcode;

namespace {

std::int64_t power10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// What a typed value must give, in exact integers of 0,0001 ohm (the finest value four characters can
// type): a message, or the value cut to its kept digits and the type.
struct Expected
{
    std::string_view message;
    std::int64_t cutOhms = 0;
    int type = 0;
};

Expected expectedFor(std::string_view text, int power, bool withCoefficient)
{
    std::string digits(text);
    const auto comma = digits.find(',');
    const int decimals = comma == std::string::npos ? 0 : static_cast<int>(digits.size() - comma - 1);
    digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
    const std::int64_t typed = std::stoll(digits);
    const int exponent = power - decimals + 4; // of typed, in units of 0,0001 ohm
    const std::int64_t ohms = typed * power10(exponent);
    if (ohms < 1000 || ohms > 999 * power10(10))
        return {kRangeMessage};
    if (withCoefficient && ohms < 10000)
        return {kCoefficientBelowOneOhmMessage};

    const std::string significant = std::to_string(typed);
    const int count = static_cast<int>(significant.size());
    const int keep = count >= 3 && significant[2] != '0' ? 3 : 2;
    int multiplier = exponent - 4 + count - keep;
    if (withCoefficient && keep == 2)
        --multiplier; // a third band 0
    if (multiplier < -2 || multiplier > 7)
        return {kUnrepresentableMessage};
    const std::int64_t cut = count > keep ? typed / power10(count - keep) * power10(count - keep) : typed;
    return {{}, cut * power10(exponent), withCoefficient ? 6 : keep == 3 ? 5 : 4};
}

// Empty when the encoder's answer agrees with the expected one, else what is wrong.
std::string check(const EncoderInput& input, const BandState& before, double ppm)
{
    const Expected expected = expectedFor(input.text, input.unitPower, input.coefficient.has_value());
    const EncoderResult result = encodeValue(input, before);
    if (const auto* message = std::get_if<EncoderMessage>(&result)) {
        const bool right = message->text == expected.message && message->icon == MessageIcon::Critical;
        return right ? "" : "message " + std::string(message->text);
    }
    if (!expected.message.empty())
        return "no message, expected " + std::string(expected.message);

    const Encoding& encoding = std::get<Encoding>(result);
    const BandState& state = encoding.state;
    std::string fault;
    if (state.TipoRes != expected.type)
        fault += "type " + std::to_string(state.TipoRes) + "; ";
    if (state.iBanda != before.iBanda || state.BT != 5 || state.BC != (ppm > 0 ? ppm : before.BC))
        fault += "iBanda, BT or BC; ";
    if (parseNumber(input.text) > 1 && encoding.valueText.front() == '0')
        fault += "leading zero kept; ";

    // Bands start in colours they refuse, so a band left unpainted cannot pass for a right one.
    std::array<Colour, kBandCount> pictures {Colour::nero,   Colour::oro,  Colour::oro,
                                             Colour::grigio, Colour::nero, Colour::verde};
    for (const BandPaint& paint : encoding.paints)
        pictures[static_cast<std::size_t>(paint.band - 1)] = paint.colour;
    for (int band = 1; band <= kBandCount; ++band) {
        const Colour picture = pictures[static_cast<std::size_t>(band - 1)];
        const bool used = (band != 3 && band != 6) || (band == 3 && expected.type >= 5) || expected.type == 6;
        if (used ? bandMeaning(picture, band) != bandVariable(state, band) : picture != Colour::niente)
            fault += "band " + std::to_string(band) + " shows " + std::string(colourName(picture)) + "; ";
    }

    const DisplayTexts texts = Calcola(state);
    const double unit = texts.unit == "KW" ? 1e3 : texts.unit == "MW" ? 1e6 : 1;
    const double shown
        = parseNumber(texts.value->substr(0, texts.value->size() - 1)).value_or(-1) * unit * 1e4;
    const auto wanted = static_cast<double>(expected.cutOhms);
    if (std::abs(shown - wanted) > 1e-9 * wanted)
        fault += "shows " + *texts.value + *texts.unit + "; ";
    return fault;
}

} // namespace

// Every text the box can hold, in every unit and with every coefficient: the colours must show the
// typed value cut to its kept digits, or the right message must come instead.
TEST(EncoderExhaustive, EveryFourCharacterValue)
{
    const std::string_view alphabet = "0123456789,";
    const BandState before {4, 5, 3, 3, 3, 1000, 2, 7};
    const double ppm[] = {0, 15, 25, 50, 100, 200};
    int faults = 0;
    std::string examples;
    for (int length = 1, count = 11; length <= 4; ++length, count *= 11) {
        for (int n = 0; n < count; ++n) {
            std::string text;
            for (int rest = n, i = 0; i < length; ++i, rest /= 11)
                text += alphabet[static_cast<std::size_t>(rest % 11)];
            const auto commas = std::count(text.begin(), text.end(), ',');
            EXPECT_EQ(isNumeric(text), commas <= 1 && commas < length) << text;
            for (int unit = 0; isNumeric(text) && unit < 3; ++unit) {
                for (int coefficient = 0; coefficient < 6; ++coefficient) {
                    const EncoderInput input {text, 3 * unit, 5,
                                              ppm[coefficient] > 0 ? std::optional(ppm[coefficient])
                                                                   : std::nullopt};
                    const std::string fault = check(input, before, ppm[coefficient]);
                    if (!fault.empty() && ++faults <= 10)
                        examples += "\n\"" + text + "\" unit " + std::to_string(unit) + " coefficient "
                            + std::to_string(coefficient) + ": " + fault;
                }
            }
        }
    }
    EXPECT_EQ(faults, 0) << examples;
}
