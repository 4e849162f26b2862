#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace colourcode {

std::string formatNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";

    // Rounding to 15 significant digits is what hides the binary error of products such as 47 * 0.1.
    // to_chars, unlike printf, ignores the locale that the windowing library switches on at start-up.
    char scientific[32];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific - 1, std::fabs(value),
                                       std::chars_format::scientific, 14);
    *written.ptr = '\0';
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits += *p;
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < 0) {
        text += "0,";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        text += digits;
        text.append(wholeDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, wholeDigits);
        text += ',';
        text += digits.substr(wholeDigits);
    }
    return text;
}

bool isNumeric(std::string_view text)
{
    int digits = 0;
    int commas = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == ',')
            ++commas;
        else
            return false;
    }
    return digits > 0 && commas <= 1;
}

std::optional<double> parseNumber(std::string_view text)
{
    if (!isNumeric(text))
        return std::nullopt;
    std::string plain(text);
    for (char& c : plain) {
        if (c == ',')
            c = '.';
    }
    if (plain.front() == '.')
        plain.insert(plain.begin(), '0');
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc {})
        return std::nullopt;
    return value;
}

} // namespace colourcode
