#include "bandstate.h"

#include <gtest/gtest.h>

#include <string>

using namespace colourcode;

// What each band refuses, written out apart from the colour table: the palette greys these out, the
// encoder must never paint them and a click on one writes nothing.
TEST(Colours, EachBandRefusesExactlyItsColours)
{
    const std::array<std::string_view, kBandCount> refusals {"nero oro argento",
                                                             "oro argento",
                                                             "oro argento",
                                                             "grigio bianco",
                                                             "nero arancione giallo grigio bianco",
                                                             "verde azzurro viola grigio bianco oro argento"};
    const BandState before {2, 6, 1, 1, 1, 10, 1, 100};
    for (int band = 1; band <= kBandCount; ++band) {
        std::string refused;
        for (Colour colour : kPaletteColours) {
            BandState state = before;
            if (!bandAccepts(band, colour)) {
                refused.append(refused.empty() ? "" : " ").append(colourName(colour));
                EXPECT_FALSE(setBandVariable(state, band, colour));
                EXPECT_EQ(state, before) << colourName(colour) << " on band " << band;
            }
        }
        EXPECT_EQ(refused, refusals[static_cast<std::size_t>(band - 1)]) << "band " << band;
        EXPECT_FALSE(bandAccepts(band, Colour::niente)) << "band " << band;
    }
}

// Choosing a type from the menu repaints a fresh resistor and keeps the selected band.
TEST(Colours, MenuDefaults)
{
    const std::pair<int, std::string_view> rows[] = {{4, "nero nero niente nero oro niente"},
                                                     {5, "nero nero nero nero oro niente"},
                                                     {6, "nero nero nero nero oro nero"}};
    for (const auto& [type, pictures] : rows) {
        std::string names;
        for (Colour colour : typeDefaultPictures(type))
            names.append(names.empty() ? "" : " ").append(colourName(colour));
        EXPECT_EQ(names, pictures) << "type " << type;
        EXPECT_EQ(typeDefaults(BandState {3, 6, 4, 7, 5, 10, 1, 15}, type),
                  (BandState {3, type, 0, 0, 0, 1, 5, 200}));
    }
}

// What a screen reader says for a band: the colour, and its meaning on that band's role.
TEST(Colours, BandDescriptions)
{
    const struct
    {
        Colour colour;
        int band;
        std::string_view description;
    } rows[] = {
        {Colour::giallo, 1, "giallo, cifra 4"},
        {Colour::nero, 1, "nero, cifra 0"}, // the start-up zero the palette does not offer
        {Colour::rosso, 4, "rosso, moltiplicatore x100"},
        {Colour::argento, 4, "argento, moltiplicatore x0,01"},
        {Colour::oro, 5, "oro, tolleranza \u00b1 5%"},
        {Colour::verde, 5, "verde, tolleranza \u00b1 0,5%"},
        {Colour::giallo, 6, "giallo, coefficiente 15 ppm/K"},
        {Colour::niente, 3, "niente"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(bandDescription(row.colour, row.band), row.description);
}
