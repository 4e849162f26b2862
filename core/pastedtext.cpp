#include "pastedtext.h"

#include "lettercode.h"

#include <algorithm>
#include <array>

namespace colourcode {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00a0";
constexpr std::array<std::string_view, 3> kOhmSigns {"\u03a9", "\u2126", "ohm"}; // omega, ohm sign

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Drops blanks (spaces, tabs, line ends, no-break spaces) at the front of the text.
std::string_view skipBlanks(std::string_view text)
{
    for (;;) {
        if (!text.empty()
            && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n'))
            text.remove_prefix(1);
        else if (text.starts_with(kNoBreakSpace))
            text.remove_prefix(kNoBreakSpace.size());
        else
            return text;
    }
}

std::string_view trimmed(std::string_view text)
{
    text = skipBlanks(text);
    while (!text.empty()) {
        if (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n')
            text.remove_suffix(1);
        else if (text.ends_with(kNoBreakSpace))
            text.remove_suffix(kNoBreakSpace.size());
        else
            break;
    }
    return text;
}

std::string_view takeDigits(std::string_view& text)
{
    const auto end = std::find_if_not(text.begin(), text.end(), isDigit);
    const auto count = static_cast<std::size_t>(end - text.begin());
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

int unitPowerOf(char letter)
{
    switch (letter) {
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    default:
        return 0;
    }
}

// Digits from the first non-zero to the last non-zero one: 4700 has two, 4,75 three.
int significantDigits(std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return 0;
    return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// 4K7, R47, 47R, 4M7J: digits, the unit's letter in place of the comma, digits, a tolerance letter.
std::optional<PastedValue> readLetterCode(std::string_view text, std::string& digits)
{
    const std::string_view whole = takeDigits(text);
    if (text.empty() || std::string_view("RrKkM").find(text.front()) == std::string_view::npos)
        return std::nullopt;
    const char unit = text.front();
    text.remove_prefix(1);
    const std::string_view fraction = takeDigits(text);
    if (whole.empty() && fraction.empty())
        return std::nullopt;

    PastedValue value {std::string(whole.empty() ? "0" : whole), unitPowerOf(unit), std::nullopt};
    if (!fraction.empty())
        value.text.append(",").append(fraction);
    if (text.size() == 1) {
        value.tolerance = toleranceOfLetter(text.front());
        if (!value.tolerance)
            return std::nullopt;
    } else if (!text.empty()) {
        return std::nullopt;
    }
    digits = std::string(whole).append(fraction);
    return value;
}

// 4,7k, 4.7 kΩ, 4700, 0,47 ohm: a number, then an optional prefix and an optional ohm, blanks between.
std::optional<PastedValue> readPlainNumber(std::string_view text, std::string& digits)
{
    const std::string_view whole = takeDigits(text);
    std::string_view fraction;
    const bool separator = !text.empty() && (text.front() == ',' || text.front() == '.');
    if (separator) {
        text.remove_prefix(1);
        fraction = takeDigits(text);
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;

    PastedValue value {std::string(whole.empty() ? "0" : whole), 0, std::nullopt};
    if (!fraction.empty())
        value.text.append(",").append(fraction);

    text = skipBlanks(text);
    if (!text.empty() && std::string_view("kKM").find(text.front()) != std::string_view::npos) {
        value.unitPower = unitPowerOf(text.front());
        text = skipBlanks(text.substr(1));
    }
    for (std::string_view sign : kOhmSigns) {
        std::string lower(text.substr(0, sign.size()));
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        if (lower == sign) {
            text.remove_prefix(sign.size());
            break;
        }
    }
    if (!text.empty())
        return std::nullopt;
    digits = std::string(whole).append(fraction);
    return value;
}

} // namespace

PasteReading readPastedText(std::string_view text)
{
    text = trimmed(text);
    std::string digits;
    std::optional<PastedValue> value = readLetterCode(text, digits);
    if (!value)
        value = readPlainNumber(text, digits);
    if (!value)
        return EncoderMessage {MessageIcon::Exclamation, kUnknownPasteMessage};
    if (significantDigits(digits) > 3)
        return EncoderMessage {MessageIcon::Exclamation, kTooManyDigitsMessage};
    return *value;
}

EncoderResult encodePastedText(std::string_view text, const BandState& current)
{
    const PasteReading reading = readPastedText(text);
    if (const auto* refusal = std::get_if<EncoderMessage>(&reading))
        return *refusal;
    const auto& value = std::get<PastedValue>(reading);
    return encodeValue(
        {value.text, value.unitPower, value.tolerance.value_or(current.BT), shownCoefficient(current)},
        current);
}

} // namespace colourcode
