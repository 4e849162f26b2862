#pragma once

#include <array>
#include <string_view>

// Colours that the drawn pictures, the main window and the tests must agree on, as plain RGB so that
// every layer can read them whatever toolkit it uses.
namespace picturecolours {

struct Rgb
{
    int red;
    int green;
    int blue;
};

// The main window turns pixels of exactly this colour see-through, so no picture may contain it.
inline constexpr Rgb kKey {127, 127, 0};

// The resistor's body on the rows where its light neither brightens nor darkens it: the empty band.
inline constexpr Rgb kBody {162, 113, 79};

struct BandColour
{
    std::string_view name; // as in the band picture's file name, band_<name>.png
    Rgb rgb;
};

// The plain band paints, as they show on the body's middle rows.
inline constexpr std::array<BandColour, 10> kBandColours {{
    {"nero", {13, 13, 13}},
    {"marrone", {104, 57, 23}},
    {"rosso", {204, 34, 33}},
    {"arancione", {254, 136, 10}},
    {"giallo", {211, 202, 53}},
    {"verde", {24, 159, 49}},
    {"azzurro", {36, 73, 118}},
    {"viola", {152, 59, 179}},
    {"grigio", {126, 117, 104}},
    {"bianco", {248, 235, 224}},
}};

// Gold paint alternates two streaks; the bright one also tops the palette's gold texture.
inline constexpr Rgb kGoldDeep {211, 195, 116};
inline constexpr Rgb kGoldBright {233, 218, 134};

// Silver paint is dark with a bright streak, softened on the row after it; the bright streak also tops
// the palette's silver texture.
inline constexpr Rgb kSilverDark {88, 78, 69};
inline constexpr Rgb kSilverBright {236, 222, 210};
inline constexpr Rgb kSilverSoft {150, 139, 129};

} // namespace picturecolours
