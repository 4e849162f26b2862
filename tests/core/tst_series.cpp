#include "series.h"
#include "standardvalues.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace colourcode;

namespace {

constexpr Series kAll[] = {Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};

std::string text(std::optional<Resistance> value)
{
    return value ? std::to_string(value->mantissa) + "e" + std::to_string(value->exponent) : "none";
}

} // namespace

// Each table against the rounded powers of ten: they differ exactly where the standard chose otherwise
// (E24's 2,7 to 4,7 and 8,2, E192's 9,20), so a mistyped entry cannot hide. Each series also takes every
// other value of the next finer one.
TEST(Series, TablesAreTheStandardOnes)
{
    const std::set<int> twoDigitExceptions {270, 300, 330, 360, 390, 430, 470, 820};
    const std::set<int> threeDigitExceptions {920};
    for (std::size_t i = 0; i < std::size(kAll); ++i) {
        const std::span<const int> decade = seriesDecade(kAll[i]);
        const auto count = decade.size();
        EXPECT_EQ(count, std::size_t {6} << i) << seriesName(kAll[i]);
        const bool twoDigits = count <= 24;
        const int step = twoDigits ? 10 : 1;
        const std::set<int>& exceptions = twoDigits ? twoDigitExceptions : threeDigitExceptions;
        for (std::size_t n = 0; n < count; ++n) {
            const double exact = std::pow(10.0, 2.0 + static_cast<double>(n) / static_cast<double>(count));
            const int rounded = static_cast<int>(std::lround(exact / step)) * step;
            EXPECT_EQ(decade[n] != rounded, exceptions.contains(decade[n]))
                << seriesName(kAll[i]) << " " << decade[n];
        }
        if (i > 0 && kAll[i] != Series::E48) { // E48 does not contain E24
            const std::span<const int> coarser = seriesDecade(kAll[i - 1]);
            for (std::size_t n = 0; n < coarser.size(); ++n)
                EXPECT_EQ(coarser[n], decade[2 * n]) << seriesName(kAll[i]);
        }
    }
}

TEST(Series, SeriesForTolerance)
{
    const std::pair<double, std::string_view> rows[]
        = {{20, "E6"}, {10, "E12"},   {5, "E24"},     {2, "E48"},
           {1, "E96"}, {0.5, "E192"}, {0.25, "E192"}, {0.1, "E192"}};
    for (const auto& [percent, name] : rows)
        EXPECT_EQ(seriesName(seriesForTolerance(percent)), name) << percent;
}

// Neighbours across decades and at the ends of the range, 0,1 Ω and 999 MΩ.
TEST(Series, Neighbours)
{
    const struct
    {
        std::optional<Resistance> value;
        Series series;
        std::string_view below, above;
    } rows[] = {
        {Resistance {1, 480}, Series::E24, "470e1", "510e1"},
        {Resistance {1, 470}, Series::E24, "430e1", "510e1"},
        {Resistance {1, 100}, Series::E24, "910e0", "110e1"}, // across decades
        {Resistance {1, 910}, Series::E24, "820e1", "100e2"},
        {Resistance {-3, 100}, Series::E24, "none", "110e-3"}, // bottom of the range
        {Resistance {6, 910}, Series::E24, "820e6", "none"}, // top: 1 GΩ is out of range
        {Resistance {6, 988}, Series::E192, "976e6", "none"},
        {Resistance {6, 999}, Series::E192, "988e6", "none"},
        {Resistance {7, 999}, Series::E24, "910e6", "none"}, // 9990 MΩ, above the range
        {std::nullopt, Series::E6, "none", "100e-3"}, // zero
        {Resistance {2, 919}, Series::E192, "909e2", "920e2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text(seriesValueBelow(row.value, row.series)), row.below) << text(row.value);
        EXPECT_EQ(text(seriesValueAbove(row.value, row.series)), row.above) << text(row.value);
    }
}

// The display's tool tip, as {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}.
TEST(Series, Note)
{
    const std::pair<BandState, std::string_view> rows[] = {
        {{0, 4, 4, 7, 0, 100, 5, 200}, "Valore normalizzato della serie E24"},
        {{0, 4, 4, 8, 0, 100, 5, 200},
         "Non normalizzato nella serie E24: i pi\u00f9 vicini sono 4,7 K\u03a9 e 5,1 K\u03a9"},
        {{0, 4, 4, 7, 0, 100, 2, 200},
         "Non normalizzato nella serie E48: i pi\u00f9 vicini sono 4,64 K\u03a9 e 4,87 K\u03a9"},
        {{0, 5, 9, 2, 0, 1, 0.1, 200}, "Valore normalizzato della serie E192"},
        {{0, 4, 1, 5, 0, 0.01, 10, 200}, "Valore normalizzato della serie E12"},
        {{0, 5, 9, 9, 9, 1e7, 5, 200},
         "Non normalizzato nella serie E24: il pi\u00f9 vicino \u00e8 910 M\u03a9"},
        {{0, 4, 0, 0, 0, 1, 5, 200},
         "Non normalizzato nella serie E24: il pi\u00f9 vicino \u00e8 0,1 \u03a9"},
    };
    for (const auto& [state, note] : rows)
        EXPECT_EQ(seriesNote(state), note) << shown(Calcola(state));
}

// Page Up and Page Down: the next value through the encoder, keeping tolerance and coefficient; values
// the colours cannot show are passed over, and at the ends nothing is left.
TEST(Series, Steps)
{
    const struct
    {
        BandState state;
        bool up;
        std::string_view shownAfter; // "none" when nothing changes
    } rows[] = {
        {{2, 4, 4, 7, 0, 100, 5, 200}, true, "5,1 |KW|-- ppm/k|\u00b1 5%"},
        {{2, 4, 4, 8, 0, 100, 5, 200}, false, "4,7 |KW|-- ppm/k|\u00b1 5%"}, // off the series
        {{2, 4, 1, 0, 0, 100, 5, 200}, false, "910 |W|-- ppm/k|\u00b1 5%"},
        {{2, 6, 4, 7, 0, 10, 10, 50}, true, "5,6 |KW|50 ppm/k|\u00b1 10%"}, // coefficient kept
        {{2, 4, 1, 0, 0, 0.01, 5, 200}, false, "none"}, // 0,1 Ω
        {{2, 4, 9, 1, 0, 1e7, 5, 200}, true, "none"}, // 910 MΩ
        {{2, 6, 1, 0, 0, 0.01, 5, 200}, false, "none"}, // a coefficient needs 1 Ω at least
        {{2, 4, 1, 0, 0, 0.01, 1, 200}, true, "0,11 |W|-- ppm/k|\u00b1 1%"}, // 0,102 needs a third digit
        {{2, 4, 0, 0, 0, 1, 5, 200}, true, "0,1 |W|-- ppm/k|\u00b1 5%"}, // from zero
    };
    for (const auto& row : rows) {
        const std::optional<Encoding> step = stepStandardValue(row.state, row.up);
        EXPECT_EQ(step ? shown(Calcola(step->state)) : "none", row.shownAfter) << shown(Calcola(row.state));
        if (step) {
            EXPECT_EQ(step->state.iBanda, 2);
        }
    }
}
