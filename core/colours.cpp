#include "colours.h"

#include "numbers.h"

#include <cstddef>

namespace colourcode {
namespace {

struct ColourRow
{
    std::string_view name;
    std::optional<int> digit;
    std::optional<int> multiplierExponent;
    std::optional<double> tolerance;
    std::optional<double> coefficient;
};

constexpr std::optional<int> none;
constexpr std::optional<double> noValue;

// Indexed by Colour. Yellow is 15 ppm/K and orange 25 (yellow below orange); black is 200, not 250.
constexpr std::array<ColourRow, kColourCount> kTable {{
    {"nero", 0, 0, noValue, 200.0},
    {"marrone", 1, 1, 1.0, 100.0},
    {"rosso", 2, 2, 2.0, 50.0},
    {"arancione", 3, 3, noValue, 25.0},
    {"giallo", 4, 4, noValue, 15.0},
    {"verde", 5, 5, 0.5, noValue},
    {"azzurro", 6, 6, 0.25, noValue},
    {"viola", 7, 7, 0.1, noValue},
    {"grigio", 8, none, noValue, noValue},
    {"bianco", 9, none, noValue, noValue},
    {"oro", none, -1, 5.0, noValue},
    {"argento", none, -2, 10.0, noValue},
    {"niente", none, none, noValue, noValue},
}};

constexpr std::array<double, 10> kMultipliers {0.01,   0.1,     1.0,      10.0,      100.0,
                                               1000.0, 10000.0, 100000.0, 1000000.0, 10000000.0};
constexpr int kLowestExponent = -2;

const ColourRow& row(Colour colour)
{
    return kTable[static_cast<std::size_t>(colour)];
}

} // namespace

BandRole bandRole(int band)
{
    switch (band) {
    case 4:
        return BandRole::Multiplier;
    case 5:
        return BandRole::Tolerance;
    case 6:
        return BandRole::Coefficient;
    default:
        return BandRole::Digit;
    }
}

bool bandInUse(int band, int tipoRes)
{
    switch (band) {
    case 3:
        return tipoRes >= 5;
    case 6:
        return tipoRes == 6;
    default:
        return band >= 1 && band <= kBandCount;
    }
}

std::string_view colourName(Colour colour)
{
    return row(colour).name;
}

std::string bandDescription(Colour colour, int band)
{
    const ColourRow& r = row(colour);
    std::string text(r.name);
    // A digit band shows its digit even where the palette refuses it: black on band 1 is the start-up zero.
    if (bandRole(band) == BandRole::Digit && r.digit)
        return text + ", cifra " + std::to_string(*r.digit);
    const std::optional<double> meaning = bandMeaning(colour, band);
    if (!meaning)
        return text;
    switch (bandRole(band)) {
    case BandRole::Multiplier:
        return text + ", moltiplicatore x" + formatNumber(*meaning);
    case BandRole::Tolerance:
        return text + ", tolleranza \u00b1 " + formatNumber(*meaning) + "%";
    case BandRole::Coefficient:
        return text + ", coefficiente " + formatNumber(*meaning) + " ppm/K";
    case BandRole::Digit:
        break;
    }
    return text;
}

std::optional<double> multiplierForExponent(int exponent)
{
    const int index = exponent - kLowestExponent;
    if (index < 0 || index >= static_cast<int>(kMultipliers.size()))
        return std::nullopt;
    return kMultipliers[static_cast<std::size_t>(index)];
}

std::optional<double> bandMeaning(Colour colour, int band)
{
    const ColourRow& r = row(colour);
    switch (bandRole(band)) {
    case BandRole::Digit:
        // A black first band would only be a lost leading zero.
        if (!r.digit || (band == 1 && *r.digit == 0))
            return std::nullopt;
        return static_cast<double>(*r.digit);
    case BandRole::Multiplier:
        return r.multiplierExponent ? multiplierForExponent(*r.multiplierExponent) : std::nullopt;
    case BandRole::Tolerance:
        return r.tolerance;
    case BandRole::Coefficient:
        return r.coefficient;
    }
    return std::nullopt;
}

std::optional<Colour> colourFor(int band, double value)
{
    // Digits are looked up on band 2, which accepts all ten of them.
    const int lookupBand = band == 1 ? 2 : band;
    for (Colour colour : kPaletteColours) {
        if (bandMeaning(colour, lookupBand) == value)
            return colour;
    }
    return std::nullopt;
}

} // namespace colourcode
