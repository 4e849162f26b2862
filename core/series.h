#pragma once

#include "bandstate.h"

#include <compare>
#include <optional>
#include <span>
#include <string_view>

// The standard values in which fixed resistors are made: the E series.
namespace colourcode {

enum class Series
{
    E6,
    E12,
    E24,
    E48,
    E96,
    E192
};

std::string_view seriesName(Series series);

// One decade of the series as the standard's tables give it, in three digits: E24's 4,7 is 470. The
// tables are not the rounded powers of ten: E24 has 2,7 and 4,7 where the rounding gives 2,6 and 4,6.
std::span<const int> seriesDecade(Series series);

// The series whose steps suit a tolerance: 20 % E6, 10 % E12, 5 % E24, 2 % E48, 1 % E96, finer E192.
Series seriesForTolerance(double percent);

// A resistance as three significant digits and a power of ten, whole numbers so that it compares with
// the tables exactly: 4,7 kΩ is {1, 470}, 0,1 Ω is {-3, 100}.
struct Resistance
{
    int exponent = 0;
    int mantissa = 100; // 100 to 999

    double ohms() const;
    friend auto operator<=>(const Resistance&, const Resistance&) = default;
};

// The resistance the bands show; none for zero.
std::optional<Resistance> resistanceOf(const BandState& state);

bool inSeries(Resistance value, Series series);

// The nearest value of the series strictly below or above, across decades, within the range the colours
// can show (0,1 Ω to 999 MΩ); none past the ends. No value at all counts as below every other.
std::optional<Resistance> seriesValueBelow(std::optional<Resistance> value, Series series);
std::optional<Resistance> seriesValueAbove(std::optional<Resistance> value, Series series);

} // namespace colourcode
