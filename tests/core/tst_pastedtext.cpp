#include "pastedtext.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace colourcode;

// Every accepted form, to the text, unit power and tolerance letter the encoder is handed.
TEST(PastedText, AcceptedForms)
{
    const std::optional<double> none;
    const std::pair<std::string_view, PastedValue> rows[] = {
        {"R47", {"0,47", 0, none}},
        {"4R7", {"4,7", 0, none}},
        {"47R", {"47", 0, none}},
        {"470R", {"470", 0, none}},
        {"4K7", {"4,7", 3, none}},
        {"47K", {"47", 3, none}},
        {"4K75", {"4,75", 3, none}},
        {"4M7", {"4,7", 6, none}},
        {"4k7", {"4,7", 3, none}},
        {"4K7J", {"4,7", 3, 5}},
        {"47KK", {"47", 3, 10}}, // unit K, then tolerance K
        {"R10B", {"0,10", 0, 0.1}},
        {"1M0C", {"1,0", 6, 0.25}},
        {"4R7D", {"4,7", 0, 0.5}},
        {"100RF", {"100", 0, 1}},
        {"2K2G", {"2,2", 3, 2}},
        {"4M7M", {"4,7", 6, 20}}, // the encoder refuses 20 %, which has no colour
        {"4,7k", {"4,7", 3, none}},
        {"4.7 k\u03a9", {"4,7", 3, none}},
        {"4700", {"4700", 0, none}},
        {"0,47 ohm", {"0,47", 0, none}},
        {"100000 Ohm", {"100000", 0, none}},
        {"47\u2126", {"47", 0, none}}, // the ohm sign, not the omega
        {",5", {"0,5", 0, none}},
        {"4,", {"4", 0, none}},
        {"2,2 M", {"2,2", 6, none}},
        {" \t4K7\r\n", {"4,7", 3, none}},
        {"\u00a04,7 K\u00a0\u03a9 ", {"4,7", 3, none}},
        {"0", {"0", 0, none}}, // out of range: the encoder says so
    };
    for (const auto& [text, expected] : rows) {
        const PasteReading reading = readPastedText(text);
        const auto* value = std::get_if<PastedValue>(&reading);
        ASSERT_NE(value, nullptr) << text;
        EXPECT_EQ(*value, expected) << text;
    }
}

TEST(PastedText, RefusedTexts)
{
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"1255", kTooManyDigitsMessage},     {"4K752", kTooManyDigitsMessage},
        {"4,7501 k", kTooManyDigitsMessage}, {"", kUnknownPasteMessage},
        {"   ", kUnknownPasteMessage},       {"abc", kUnknownPasteMessage},
        {"R", kUnknownPasteMessage},         {",", kUnknownPasteMessage},
        {"4K7X", kUnknownPasteMessage}, // not a tolerance letter
        {"4K7j", kUnknownPasteMessage},      {"4K7 J", kUnknownPasteMessage},
        {"4,7kJ", kUnknownPasteMessage}, // tolerance letters follow codes only
        {"4m7", kUnknownPasteMessage}, // milliohms
        {"4,7,1", kUnknownPasteMessage},     {"-47", kUnknownPasteMessage},
        {"1e3", kUnknownPasteMessage},       {"47 ohms", kUnknownPasteMessage},
        {"4K7\n2K2", kUnknownPasteMessage},
    };
    for (const auto& [text, message] : rows) {
        const PasteReading reading = readPastedText(text);
        const auto* refusal = std::get_if<EncoderMessage>(&reading);
        ASSERT_NE(refusal, nullptr) << text;
        EXPECT_EQ(refusal->text, message) << text;
        EXPECT_EQ(refusal->icon, MessageIcon::Exclamation) << text;
    }
}

// Through the encoder, from {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}: the letter sets the tolerance,
// no letter keeps it, six bands keep their coefficient, and the encoder's refusals stand.
TEST(PastedText, Encoded)
{
    const BandState fourBands {0, 4, 1, 0, 0, 1, 2, 200};
    const BandState sixBands {0, 6, 1, 0, 0, 1, 1, 15};
    const struct
    {
        std::string_view text;
        BandState before;
        std::string_view shownAfter; // or the message
    } rows[] = {
        {"4K7J", fourBands, "4,7 |KW|-- ppm/k|\u00b1 5%"},   {"4K7", fourBands, "4,7 |KW|-- ppm/k|\u00b1 2%"},
        {"4,75 k", sixBands, "4,75 |KW|15 ppm/k|\u00b1 1%"}, {"47RB", sixBands, "47 |W|15 ppm/k|\u00b1 0,1%"},
        {"R47", sixBands, kCoefficientBelowOneOhmMessage},   {"1000M", fourBands, kRangeMessage},
        {"4K7M", fourBands, kToleranceWithoutColourMessage}, {"4K7X", fourBands, kUnknownPasteMessage},
    };
    for (const auto& row : rows) {
        const EncoderResult result = encodePastedText(row.text, row.before);
        const auto* encoding = std::get_if<Encoding>(&result);
        EXPECT_EQ(encoding ? shown(Calcola(encoding->state))
                           : std::string(std::get<EncoderMessage>(result).text),
                  row.shownAfter)
            << row.text;
    }
}
