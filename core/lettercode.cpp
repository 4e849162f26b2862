#include "lettercode.h"

#include <array>
#include <utility>

namespace colourcode {
namespace {

constexpr std::array<std::pair<char, double>, 8> kToleranceLetters {
    {{'B', 0.1}, {'C', 0.25}, {'D', 0.5}, {'F', 1}, {'G', 2}, {'J', 5}, {'K', 10}, {'M', 20}}};

char unitLetter(std::string_view unit)
{
    if (unit == "KW")
        return 'K';
    if (unit == "MW")
        return 'M';
    return 'R';
}

} // namespace

std::optional<char> toleranceLetter(double percent)
{
    for (const auto& [letter, tolerance] : kToleranceLetters) {
        if (tolerance == percent)
            return letter;
    }
    return std::nullopt;
}

std::optional<double> toleranceOfLetter(char letter)
{
    for (const auto& [candidate, tolerance] : kToleranceLetters) {
        if (candidate == letter)
            return tolerance;
    }
    return std::nullopt;
}

std::string letterCode(const ScaledValue& value)
{
    const char letter = unitLetter(value.unit);
    const auto comma = value.number.find(',');
    if (comma == std::string::npos)
        return value.number + letter;
    // The code writes no leading zero: 0,47 ohm is R47.
    const std::string whole = value.number.substr(0, comma);
    return (whole == "0" ? "" : whole) + letter + value.number.substr(comma + 1);
}

} // namespace colourcode
