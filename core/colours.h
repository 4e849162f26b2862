#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The colour code itself: the colours, the six band places and what every colour means on every band.
// Palette refusals, swatch meanings, menu defaults and the encoder's tables are all read from here.
namespace colourcode {

// The twelve band colours in palette order (left to right), then the empty band.
enum class Colour
{
    nero,
    marrone,
    rosso,
    arancione,
    giallo,
    verde,
    azzurro,
    viola,
    grigio,
    bianco,
    oro,
    argento,
    niente
};

inline constexpr int kBandCount = 6;
inline constexpr int kColourCount = 13;

inline constexpr std::array<Colour, 12> kPaletteColours {
    Colour::nero,    Colour::marrone, Colour::rosso,  Colour::arancione, Colour::giallo, Colour::verde,
    Colour::azzurro, Colour::viola,   Colour::grigio, Colour::bianco,    Colour::oro,    Colour::argento};

inline constexpr std::array<Colour, 13> kAllColours {
    Colour::nero,  Colour::marrone, Colour::rosso, Colour::arancione, Colour::giallo,
    Colour::verde, Colour::azzurro, Colour::viola, Colour::grigio,    Colour::bianco,
    Colour::oro,   Colour::argento, Colour::niente};

// Bands are numbered 1 to 6 and keep their role whatever the resistor type.
enum class BandRole
{
    Digit,
    Multiplier,
    Tolerance,
    Coefficient
};

BandRole bandRole(int band);

// Places 1, 2, 4, 5 carry a four-band resistor, 1 to 5 a five-band one, all six a six-band one.
bool bandInUse(int band, int tipoRes);

std::string_view colourName(Colour colour);

// What a band says to someone who cannot see it, in the program's Italian: the colour and its meaning
// there, "giallo, cifra 4", "rosso, moltiplicatore x100", "oro, tolleranza \u00b1 5%", or just "niente".
std::string bandDescription(Colour colour, int band);

// What the colour means on the band: a digit, a multiplier, a tolerance in percent or a coefficient in
// ppm/K. Empty when the band refuses the colour.
std::optional<double> bandMeaning(Colour colour, int band);

inline bool bandAccepts(int band, Colour colour)
{
    return bandMeaning(colour, band).has_value();
}

// The inverse of bandMeaning: the colour that stands for value on the band, if any. Band 1 also finds
// black for 0, which the menu's defaults paint although the palette does not offer it there.
std::optional<Colour> colourFor(int band, double value);

// 10^exponent for the multiplier exponents of the table (-2 to 7), written as the decimal literals
// the band variables hold, so that 0.1 and 0.01 compare equal wherever they come from.
std::optional<double> multiplierForExponent(int exponent);

} // namespace colourcode
