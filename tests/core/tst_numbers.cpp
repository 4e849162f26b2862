#include "numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace colourcode;

TEST(Numbers, NumberForm)
{
    // clang-format off
    const std::pair<double, std::string_view> rows[] = {{0, "0"}, {470, "470"}, {4700, "4700"},
        {0.47, "0,47"}, {47 * 0.1, "4,7"}, {47 * 0.01, "0,47"}, {0.25, "0,25"}, {999999, "999999"},
        {1e9, "1000000000"}, {1e-5, "0,00001"}, {-4.7, "-4,7"}, {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"}, {2.0 / 3, "0,666666666666667"},
        {123456789012345678.0, "123456789012346000"}, {0.99999999999999989, "1"}}; // rounding carries
    // clang-format on
    for (const auto& [value, text] : rows)
        EXPECT_EQ(formatNumber(value), text) << value;
}

// A typed value is decimal digits with at most one comma; whatever the locale would also accept (signs,
// blanks, points, exponents, hexadecimal) is refused, so the digit scan never sees a non-digit.
TEST(Numbers, OnlyDigitsWithOneCommaAreNumbers)
{
    const std::pair<std::string_view, double> accepted[]
        = {{"4", 4},     {"4,", 4}, {",5", 0.5},     {"4,75", 4.75},
           {"0047", 47}, {"0,", 0}, {",001", 0.001}, {"9999", 9999}};
    for (const auto& [text, value] : accepted) {
        EXPECT_TRUE(isNumeric(text)) << text;
        EXPECT_EQ(parseNumber(text), value) << text;
    }
    for (std::string_view text : {"", ",", ",,", "4,7,5", "-4", "+4", " 4", "4 ", "4.7", "1.000", "1E3",
                                  "1e3", "0x1F", "4a", "inf", "nan", "\u20ac4"}) {
        EXPECT_FALSE(isNumeric(text)) << text;
        EXPECT_FALSE(parseNumber(text)) << text;
    }
}

// The windowing library switches the C library to the user's locale at start-up; our numbers must keep
// the comma and never pick up the locale's separator twice.
TEST(Numbers, CommaWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"it_IT.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "it_IT", "de_DE"})
        switched = switched || std::setlocale(LC_NUMERIC, name) != nullptr;
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(formatNumber(4.7), "4,7");
    EXPECT_EQ(formatNumber(0.47), "0,47");
    EXPECT_EQ(parseNumber("4,75"), 4.75);
    std::setlocale(LC_NUMERIC, previous.c_str());
}
