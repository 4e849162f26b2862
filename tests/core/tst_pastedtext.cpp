#include "pastedtext.h"

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
