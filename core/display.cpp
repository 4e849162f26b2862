#include "display.h"

#include "numbers.h"

namespace colourcode {

DisplayTexts Calcola(const BandState& state)
{
    DisplayTexts texts;
    const int type = state.TipoRes;
    if (type == 4 || type == 5 || type == 6) {
        // B3 counts only on five- and six-band resistors.
        const int digits = type == 4 ? 10 * state.B1 + state.B2 : 100 * state.B1 + 10 * state.B2 + state.B3;
        double value = digits * state.BM;
        // A plain pointer: GCC 12 at -O2 wrongly warns about reassigning a short std::string here.
        const char* unit = "W";
        // Both limits are strict, so exactly 999999 stays in ohms.
        if (value > 999 && value < 999999) {
            value /= 1000;
            unit = "KW";
        }
        if (value > 999999) {
            value /= 1000000;
            unit = "MW";
        }
        texts.unit = unit;
        texts.value = formatNumber(value) + " ";
        texts.coefficient = type == 6 ? formatNumber(state.BC) + " ppm/k" : "-- ppm/k";
    }
    texts.tolerance = "\u00b1 " + formatNumber(state.BT) + "%";
    return texts;
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
