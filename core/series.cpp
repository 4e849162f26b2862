#include "series.h"

#include "display.h"
#include "encoder.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace colourcode {
namespace {

// The tables of the standard, one decade each.
constexpr std::array<int, 6> kE6 {100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12 {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24 {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                    330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48 {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                    178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                    316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                    562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192 {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

Resistance normalised(long long digits, int exponent)
{
    while (digits >= 1000) {
        digits /= 10;
        ++exponent;
    }
    while (digits < 100) {
        digits *= 10;
        --exponent;
    }
    return {exponent, static_cast<int>(digits)};
}

Resistance fromOhms(double ohms)
{
    const int exponent = static_cast<int>(std::floor(std::log10(ohms))) - 2;
    return normalised(std::llround(ohms / std::pow(10.0, exponent)), exponent);
}

// The encoder's range: 0,1 Ω and 999 MΩ.
const Resistance kLowest = fromOhms(kLowestOhms);
const Resistance kHighest = fromOhms(kHighestOhms);

// The power of ten of a multiplier band's value, which the band variable holds as a decimal literal.
std::optional<int> multiplierExponent(double multiplier)
{
    for (int exponent = -2; exponent <= 7; ++exponent) {
        if (multiplierForExponent(exponent) == multiplier)
            return exponent;
    }
    return std::nullopt;
}

} // namespace

std::string_view seriesName(Series series)
{
    constexpr std::array<std::string_view, 6> kNames {"E6", "E12", "E24", "E48", "E96", "E192"};
    return kNames[static_cast<std::size_t>(series)];
}

std::span<const int> seriesDecade(Series series)
{
    switch (series) {
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        return kE96;
    case Series::E192:
        break;
    }
    return kE192;
}

Series seriesForTolerance(double percent)
{
    if (percent >= 20)
        return Series::E6;
    if (percent >= 10)
        return Series::E12;
    if (percent >= 5)
        return Series::E24;
    if (percent >= 2)
        return Series::E48;
    if (percent >= 1)
        return Series::E96;
    return Series::E192;
}

double Resistance::ohms() const
{
    return mantissa * std::pow(10.0, exponent);
}

std::optional<Resistance> resistanceOf(const BandState& state)
{
    const int digits = joinedDigits(state);
    const std::optional<int> exponent = multiplierExponent(state.BM);
    if (digits <= 0 || !exponent)
        return std::nullopt;
    return normalised(digits, *exponent);
}

bool inSeries(Resistance value, Series series)
{
    const std::span<const int> decade = seriesDecade(series);
    return std::binary_search(decade.begin(), decade.end(), value.mantissa);
}

std::optional<Resistance> seriesValueBelow(std::optional<Resistance> value, Series series)
{
    if (!value)
        return std::nullopt;
    // Above the range, the walk down starts at its top.
    Resistance from = std::min(*value, Resistance {kHighest.exponent, kHighest.mantissa + 1});
    const std::span<const int> decade = seriesDecade(series);
    const auto next = std::lower_bound(decade.begin(), decade.end(), from.mantissa);
    const Resistance below = next == decade.begin() ? Resistance {from.exponent - 1, decade.back()}
                                                    : Resistance {from.exponent, *(next - 1)};
    if (below < kLowest)
        return std::nullopt;
    return below;
}

std::optional<Resistance> seriesValueAbove(std::optional<Resistance> value, Series series)
{
    const std::span<const int> decade = seriesDecade(series);
    if (!value || *value < kLowest)
        return Resistance {kLowest.exponent, decade.front()};
    const auto next = std::upper_bound(decade.begin(), decade.end(), value->mantissa);
    const Resistance above = next == decade.end() ? Resistance {value->exponent + 1, decade.front()}
                                                  : Resistance {value->exponent, *next};
    if (above > kHighest)
        return std::nullopt;
    return above;
}

} // namespace colourcode
