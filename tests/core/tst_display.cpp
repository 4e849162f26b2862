#include "support.h"

#include <gtest/gtest.h>

using namespace colourcode;

// Known resistors, as {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}, to the four labels.
TEST(Display, KnownResistors)
{
    const struct
    {
        BandState state;
        std::string_view texts;
    } rows[] = {
        {{0, 4, 0, 0, 0, 1, 5, 200}, "0 |W|-- ppm/k|\u00b1 5%"}, // start-up
        {{0, 5, 9, 9, 9, 1, 5, 200}, "999 |W|-- ppm/k|\u00b1 5%"},
        {{0, 4, 1, 0, 0, 100, 5, 200}, "1 |KW|-- ppm/k|\u00b1 5%"},
        {{0, 5, 9, 9, 9, 1000, 5, 200}, "999 |KW|-- ppm/k|\u00b1 5%"},
        {{0, 4, 1, 0, 0, 100000, 5, 200}, "1 |MW|-- ppm/k|\u00b1 5%"},
        {{0, 5, 9, 9, 9, 1001, 5, 200}, "999999 |W|-- ppm/k|\u00b1 5%"}, // neither below nor above 999999
        {{0, 4, 4, 7, 0, 0.01, 5, 200}, "0,47 |W|-- ppm/k|\u00b1 5%"},
        {{0, 4, 1, 0, 0, 0.01, 5, 200}, "0,1 |W|-- ppm/k|\u00b1 5%"},
        {{0, 4, 5, 0, 0, 0.1, 5, 200}, "5 |W|-- ppm/k|\u00b1 5%"},
        {{0, 4, 4, 7, 0, 0.1, 5, 200}, "4,7 |W|-- ppm/k|\u00b1 5%"}, // 47 * 0.1 is not exactly 4.7
        {{0, 4, 9, 9, 0, 1e7, 5, 200}, "990 |MW|-- ppm/k|\u00b1 5%"},
        {{0, 5, 9, 9, 9, 1e7, 5, 200}, "9990 |MW|-- ppm/k|\u00b1 5%"}, // no unit above MW
        {{0, 5, 4, 7, 5, 10, 5, 200}, "4,75 |KW|-- ppm/k|\u00b1 5%"},
        {{0, 6, 1, 0, 0, 1, 0.5, 15}, "100 |W|15 ppm/k|\u00b1 0,5%"},
        {{0, 6, 4, 7, 0, 0.1, 10, 200}, "47 |W|200 ppm/k|\u00b1 10%"},
        {{0, 5, 4, 7, 5, 10, 5, 15}, "4,75 |KW|-- ppm/k|\u00b1 5%"}, // band 6 counts on six bands only
        {{0, 4, 4, 7, 9, 1, 0.25, 15}, "47 |W|-- ppm/k|\u00b1 0,25%"}, // B3 does not count on four bands
        {{0, 7, 4, 7, 0, 1, 2, 200}, "?|?|?|\u00b1 2%"}, // unknown types produce the tolerance only
        {{0, 0, 4, 7, 0, 1, 0.1, 200}, "?|?|?|\u00b1 0,1%"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown(Calcola(row.state)), row.texts);
}

// The one line that Ctrl+C puts on the clipboard, as {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}.
TEST(Display, CopyText)
{
    const struct
    {
        BandState state;
        std::string_view text;
    } rows[] = {
        {{0, 4, 4, 7, 0, 100, 5, 200}, "4,7 K\u03a9 \u00b1 5% \u2013 giallo, viola, rosso, oro \u2013 4K7J"},
        {{0, 6, 4, 7, 5, 10, 0.25, 100},
         "4,75 K\u03a9 \u00b1 0,25% 100 ppm/K \u2013 giallo, viola, verde, marrone, azzurro, marrone \u2013 "
         "4K75C"},
        {{0, 4, 4, 7, 9, 0.01, 10, 15},
         "0,47 \u03a9 \u00b1 10% \u2013 giallo, viola, argento, argento \u2013 R47K"},
        {{0, 5, 4, 7, 0, 1, 1, 15},
         "470 \u03a9 \u00b1 1% \u2013 giallo, viola, nero, nero, marrone \u2013 470RF"},
        {{0, 4, 4, 7, 0, 0.1, 0.1, 200},
         "4,7 \u03a9 \u00b1 0,1% \u2013 giallo, viola, oro, viola \u2013 4R7B"},
        {{0, 5, 4, 7, 0, 100000, 0.5, 200},
         "47 M\u03a9 \u00b1 0,5% \u2013 giallo, viola, nero, verde, verde \u2013 47MD"},
        {{0, 4, 1, 0, 0, 100000, 2, 200},
         "1 M\u03a9 \u00b1 2% \u2013 marrone, nero, verde, rosso \u2013 1MG"},
        {{0, 4, 0, 0, 0, 1, 5, 200},
         "0 \u03a9 \u00b1 5% \u2013 nero, nero, nero, oro \u2013 0RJ"}, // start-up
    };
    for (const auto& row : rows)
        EXPECT_EQ(copyText(row.state), row.text);
}

// The display in words: the omega letters become unit words, the coefficient is said only on six bands.
TEST(Display, SpokenDisplay)
{
    const struct
    {
        BandState state;
        std::string_view words;
    } rows[] = {
        {{0, 4, 4, 7, 0, 100, 5, 200}, "4,7 kiloohm, tolleranza \u00b1 5%, coefficiente non presente"},
        {{0, 4, 0, 0, 0, 1, 5, 200}, "0 ohm, tolleranza \u00b1 5%, coefficiente non presente"},
        {{0, 6, 1, 0, 0, 100000, 1, 50}, "10 megaohm, tolleranza \u00b1 1%, coefficiente 50 ppm/K"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(spokenDisplay(row.state), row.words);
}
