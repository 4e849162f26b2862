#include "bandstate.h"

namespace colourcode {

bool setBandVariable(BandState& state, int band, Colour colour)
{
    const std::optional<double> meaning = bandMeaning(colour, band);
    if (!meaning)
        return false;
    switch (band) {
    case 1:
        state.B1 = static_cast<int>(*meaning);
        break;
    case 2:
        state.B2 = static_cast<int>(*meaning);
        break;
    case 3:
        state.B3 = static_cast<int>(*meaning);
        break;
    case 4:
        state.BM = *meaning;
        break;
    case 5:
        state.BT = *meaning;
        break;
    case 6:
        state.BC = *meaning;
        break;
    default:
        return false;
    }
    return true;
}

double bandVariable(const BandState& state, int band)
{
    switch (band) {
    case 1:
        return state.B1;
    case 2:
        return state.B2;
    case 3:
        return state.B3;
    case 4:
        return state.BM;
    case 5:
        return state.BT;
    default:
        return state.BC;
    }
}

BandState typeDefaults(const BandState& state, int tipoRes)
{
    BandState fresh;
    fresh.iBanda = state.iBanda;
    fresh.TipoRes = tipoRes;
    return fresh;
}

std::array<Colour, kBandCount> typeDefaultPictures(int tipoRes)
{
    const BandState fresh = typeDefaults(BandState {}, tipoRes);
    std::array<Colour, kBandCount> pictures {};
    for (int band = 1; band <= kBandCount; ++band) {
        const auto shown
            = bandInUse(band, tipoRes) ? colourFor(band, bandVariable(fresh, band)) : std::nullopt;
        pictures[static_cast<std::size_t>(band - 1)] = shown.value_or(Colour::niente);
    }
    return pictures;
}

} // namespace colourcode
