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
    const std::optional<Resistance> value = resistanceOf(state);
    // Built by appending: GCC 12 at -O2 wrongly warns about "literal" + std::string.
    std::string note;
    if (value && inSeries(*value, series))
        return note.append("Valore normalizzato della serie ").append(seriesName(series));

    note.append("Non normalizzato nella serie ").append(seriesName(series));
    const std::optional<Resistance> below = seriesValueBelow(value, series);
    const std::optional<Resistance> above = seriesValueAbove(value, series);
    if (below && above)
        note.append(": i pi\u00f9 vicini sono ")
            .append(shownValue(*below))
            .append(" e ")
            .append(shownValue(*above));
    else if (below || above)
        note.append(": il pi\u00f9 vicino \u00e8 ").append(shownValue(below ? *below : *above));
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
