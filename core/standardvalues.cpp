#include "standardvalues.h"

#include "display.h"
#include "series.h"

namespace colourcode {
namespace {

std::string shownValue(Resistance value)
{
    const ScaledValue scaled = scaleForDisplay(value.ohms());
    return scaled.number + " " + withOmega(scaled.unit);
}

} // namespace

std::string seriesNote(const BandState& state)
{
    const Series series = seriesForTolerance(state.BT);
    const std::string name(seriesName(series));
    const std::optional<Resistance> value = resistanceOf(state);
    if (value && inSeries(*value, series))
        return "Valore normalizzato della serie " + name;

    std::string note = "Non normalizzato nella serie " + name;
    const std::optional<Resistance> below = seriesValueBelow(value, series);
    const std::optional<Resistance> above = seriesValueAbove(value, series);
    if (below && above)
        note += ": i pi\u00f9 vicini sono " + shownValue(*below) + " e " + shownValue(*above);
    else if (below || above)
        note += ": il pi\u00f9 vicino \u00e8 " + shownValue(below ? *below : *above);
    return note;
}

std::optional<Encoding> stepStandardValue(const BandState& state, bool up)
{
    const Series series = seriesForTolerance(state.BT);
    const auto next = [series, up](std::optional<Resistance> from) {
        return up ? seriesValueAbove(from, series) : seriesValueBelow(from, series);
    };
    for (std::optional<Resistance> candidate = next(resistanceOf(state)); candidate;
         candidate = next(candidate)) {
        const ScaledValue scaled = scaleForDisplay(candidate->ohms());
        const EncoderInput input {scaled.number, scaled.unitPower, state.BT, shownCoefficient(state)};
        EncoderResult result = encodeValue(input, state);
        if (auto* encoding = std::get_if<Encoding>(&result))
            return std::move(*encoding);
    }
    return std::nullopt;
}

} // namespace colourcode
