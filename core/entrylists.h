#pragma once

#include <array>
#include <optional>
#include <string_view>

// The choices of the value entry window, in list order. Their colours come from the colour table.
namespace colourcode {

struct UnitItem
{
    std::string_view text; // "W" is drawn as an omega
    int power; // item data: the unit's power of ten
};

inline constexpr std::array<UnitItem, 3> kUnitItems {{{"W", 0}, {"KW", 3}, {"MW", 6}}};

struct ToleranceItem
{
    std::string_view text;
    double percent;
};

inline constexpr std::array<ToleranceItem, 7> kToleranceItems {{
    {"10%", 10},
    {"5%", 5},
    {"2%", 2},
    {"1%", 1},
    {"0,5%", 0.5},
    {"0,25%", 0.25},
    {"0,1%", 0.1},
}};

struct CoefficientItem
{
    std::string_view text;
    int data; // item data: position + 1; 1 means no coefficient
    std::optional<double> ppm;
};

inline constexpr std::array<CoefficientItem, 6> kCoefficientItems {{
    {"Non presente", 1, std::nullopt},
    {"15 ppm/K", 2, 15},
    {"25 ppm/K", 3, 25},
    {"50 ppm/K", 4, 50},
    {"100 ppm/K", 5, 100},
    {"200 ppm/K", 6, 200},
}};

} // namespace colourcode
