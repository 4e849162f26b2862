#include "display.h"

#include "lettercode.h"
#include "numbers.h"

namespace colourcode {

ScaledValue scaleForDisplay(double ohms)
{
    ScaledValue scaled {{}, "W", 0};
    // Both limits are strict, so exactly 999999 stays in ohms.
    if (ohms > 999 && ohms < 999999) {
        ohms /= 1000;
        scaled.unit = "KW";
        scaled.unitPower = 3;
    }
    if (ohms > 999999) {
        ohms /= 1000000;
        scaled.unit = "MW";
        scaled.unitPower = 6;
    }
    scaled.number = formatNumber(ohms);
    return scaled;
}

int joinedDigits(const BandState& state)
{
    return state.TipoRes == 4 ? 10 * state.B1 + state.B2 : 100 * state.B1 + 10 * state.B2 + state.B3;
}

DisplayTexts Calcola(const BandState& state)
{
    DisplayTexts texts;
    const int type = state.TipoRes;
    if (type == 4 || type == 5 || type == 6) {
        const ScaledValue scaled = scaleForDisplay(joinedDigits(state) * state.BM);
        texts.unit = std::string(scaled.unit);
        texts.value = scaled.number + " ";
        texts.coefficient = type == 6 ? formatNumber(state.BC) + " ppm/k" : "-- ppm/k";
    }
    texts.tolerance = "\u00b1 " + formatNumber(state.BT) + "%";
    return texts;
}

std::string withOmega(std::string_view unit)
{
    std::string text;
    for (char c : unit) {
        if (c == 'W')
            text += "\u03a9";
        else
            text += c;
    }
    return text;
}

std::string copyText(const BandState& state)
{
    const DisplayTexts texts = Calcola(state);
    // Built by appending: GCC 12 at -O2 wrongly warns about "literal" + std::string here.
    std::string text = texts.value.value_or("");
    text.append(withOmega(texts.unit.value_or(""))).append(" ").append(texts.tolerance);
    // The display's "ppm/k" is its own; elsewhere the unit is written properly.
    if (state.TipoRes == 6)
        text.append(" ").append(formatNumber(state.BC)).append(" ppm/K");

    text += " \u2013 ";
    const char* separator = "";
    for (int band = 1; band <= kBandCount; ++band) {
        if (!bandInUse(band, state.TipoRes))
            continue;
        const Colour colour = colourFor(band, bandVariable(state, band)).value_or(Colour::niente);
        text.append(separator).append(colourName(colour));
        separator = ", ";
    }

    text.append(" \u2013 ").append(letterCode(scaleForDisplay(joinedDigits(state) * state.BM)));
    if (const std::optional<char> letter = toleranceLetter(state.BT))
        text += *letter;
    return text;
}

std::string spokenDisplay(const BandState& state)
{
    const DisplayTexts texts = Calcola(state);
    std::string words;
    if (texts.value && texts.unit) {
        std::string value = *texts.value;
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
        // The unit letters stand for an omega that a speech synthesiser would read as a "W".
        const std::string& unit = *texts.unit;
        const char* unitWord = unit == "KW" ? "kiloohm" : unit == "MW" ? "megaohm" : "ohm";
        words = value + " " + unitWord + ", ";
    }
    words += "tolleranza " + texts.tolerance;
    if (state.TipoRes == 6)
        words += ", coefficiente " + formatNumber(state.BC) + " ppm/K";
    else if (texts.coefficient)
        words += ", coefficiente non presente";
    return words;
}

} // namespace colourcode
