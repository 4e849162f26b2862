#pragma once

#include "colours.h"

#include <array>

namespace colourcode {

// What the user has built on the resistor. The member names are the ones the whole program uses.
struct BandState
{
    int iBanda = 0; // the band the palette is choosing for; 0 until the first band click
    int TipoRes = 4; // number of bands: 4, 5 or 6
    int B1 = 0;
    int B2 = 0;
    int B3 = 0;
    double BM = 1; // multiplier
    double BT = 5; // tolerance, percent
    double BC = 200; // temperature coefficient, ppm/K

    friend bool operator==(const BandState&, const BandState&) = default;
};

// Stores the colour's meaning on the band into that band's variable. A refused colour changes nothing
// and gives false.
bool setBandVariable(BandState& state, int band, Colour colour);

// The value of the band's variable (B1, B2, B3, BM, BT or BC).
double bandVariable(const BandState& state, int band);

// The fresh resistor of a type: digits 0, multiplier 1, tolerance 5 %, coefficient 200 ppm/K.
// iBanda is kept: choosing a type never deselects a band.
BandState typeDefaults(const BandState& state, int tipoRes);

// What the six places show for a fresh resistor of the type: every place in use shows the colour of
// its default value, the others the empty band.
std::array<Colour, kBandCount> typeDefaultPictures(int tipoRes);

} // namespace colourcode
