#include "entrylists.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace colourcode;

namespace {

// A resistor already on the main window, {iBanda, TipoRes, B1, B2, B3, BM, BT, BC}: the encoder must keep
// iBanda, B3 on four bands and BC without a coefficient, and overwrite the rest.
constexpr BandState kBefore {3, 5, 1, 2, 7, 1000, 2, 7};

// Unit and coefficient by their positions in the value entry window's lists.
EncoderResult encode(std::string_view text, int unit, int coefficient, double tolerance = 5)
{
    const int power = kUnitItems[static_cast<std::size_t>(unit)].power;
    return encodeValue({text, power, tolerance, kCoefficientItems[static_cast<std::size_t>(coefficient)].ppm},
                       kBefore);
}

// Text, unit and coefficient positions, the paintings in order, the state after them, what Calcola shows.
struct Row
{
    std::string_view text;
    int unit, coefficient;
    std::string_view paints;
    BandState state;
    std::string_view shownValue;
};

void expectEncoding(const Row& row)
{
    SCOPED_TRACE(std::string(row.text) + " unit " + std::to_string(row.unit) + " coefficient "
                 + std::to_string(row.coefficient));
    const EncoderResult result = encode(row.text, row.unit, row.coefficient);
    const auto* encoding = std::get_if<Encoding>(&result);
    ASSERT_NE(encoding, nullptr) << std::get<EncoderMessage>(result).text;
    EXPECT_EQ(paintsText(encoding->paints), row.paints);
    EXPECT_EQ(encoding->state, row.state);
    const DisplayTexts texts = Calcola(encoding->state);
    EXPECT_EQ(*texts.value + *texts.unit, row.shownValue);
}

// An empty message means the value is accepted.
void expectMessages(std::initializer_list<std::tuple<std::string_view, int, int, std::string_view>> rows)
{
    for (const auto& [text, unit, coefficient, message] : rows) {
        const EncoderResult result = encode(text, unit, coefficient);
        const auto* shownMessage = std::get_if<EncoderMessage>(&result);
        if (message.empty()) {
            EXPECT_EQ(shownMessage, nullptr) << text << " unit " << unit << ": " << shownMessage->text;
            continue;
        }
        ASSERT_NE(shownMessage, nullptr) << text << " unit " << unit;
        EXPECT_EQ(shownMessage->text, message) << text << " unit " << unit;
        const auto icon = message == kNotNumericMessage ? MessageIcon::Exclamation : MessageIcon::Critical;
        EXPECT_EQ(shownMessage->icon, icon) << text;
    }
}

const Row kKnownValues[] = {
    {"4,7", 1, 0, "1giallo 2viola 3niente 5oro 6niente 4rosso", {3, 4, 4, 7, 7, 100, 5, 7}, "4,7 KW"},
    {"4,75", 1, 0, "1giallo 2viola 3verde 5oro 6niente 4marrone", {3, 5, 4, 7, 5, 10, 5, 7}, "4,75 KW"},
    {"47", 0, 0, "1giallo 2viola 3niente 5oro 6niente 4nero", {3, 4, 4, 7, 7, 1, 5, 7}, "47 W"},
    {"5", 0, 0, "1verde 2nero 3niente 5oro 6niente 4oro", {3, 4, 5, 0, 7, 0.1, 5, 7}, "5 W"},
    {"0,47", 0, 0, "1giallo 2viola 3niente 5oro 6niente 4argento", {3, 4, 4, 7, 7, 0.01, 5, 7}, "0,47 W"},
    {"0,1", 0, 0, "1marrone 2nero 3niente 5oro 6niente 4argento", {3, 4, 1, 0, 7, 0.01, 5, 7}, "0,1 W"},
    {"12,0", 0, 0, "1marrone 2rosso 3niente 5oro 6niente 4nero", {3, 4, 1, 2, 7, 1, 5, 7}, "12 W"},
    {"4,75", 0, 0, "1giallo 2viola 3verde 5oro 6niente 4argento", {3, 5, 4, 7, 5, 0.01, 5, 7}, "4,75 W"},
    {"999", 2, 0, "1bianco 2bianco 3bianco 5oro 6niente 4azzurro", {3, 5, 9, 9, 9, 1e6, 5, 7}, "999 MW"},
    {"1255", 0, 0, "1marrone 2rosso 3verde 5oro 6niente 4marrone", {3, 5, 1, 2, 5, 10, 5, 7}, "1,25 KW"},
    {"0047", 0, 0, "1giallo 2viola 3niente 5oro 6niente 4nero", {3, 4, 4, 7, 7, 1, 5, 7}, "47 W"},
    // A coefficient on two digits adds a black third band and lowers the multiplier.
    {"1", 0, 3, "1marrone 2nero 3niente 5oro 6rosso 3nero 4argento", {3, 6, 1, 0, 0, 0.01, 5, 50}, "1 W"},
    {"0,5", 1, 5, "1verde 2nero 3niente 5oro 6nero 3nero 4nero", {3, 6, 5, 0, 0, 1, 5, 200}, "500 W"},
    {"47", 0, 1, "1giallo 2viola 3niente 5oro 6giallo 3nero 4oro", {3, 6, 4, 7, 0, 0.1, 5, 15}, "47 W"},
    {"47", 0, 2, "1giallo 2viola 3niente 5oro 6arancione 3nero 4oro", {3, 6, 4, 7, 0, 0.1, 5, 25}, "47 W"},
};

// A three-digit value used to stay a five-band resistor with a painted but hidden coefficient.
const Row kThreeDigitsWithCoefficient[] = {
    {"4,75", 1, 4, "1giallo 2viola 3verde 5oro 6marrone 4marrone", {3, 6, 4, 7, 5, 10, 5, 100}, "4,75 KW"},
    {"1,05", 0, 1, "1marrone 2nero 3verde 5oro 6giallo 4argento", {3, 6, 1, 0, 5, 0.01, 5, 15}, "1,05 W"},
};

} // namespace

TEST(Encoder, KnownValues)
{
    for (const Row& row : kKnownValues)
        expectEncoding(row);
}

TEST(Encoder, ThreeDigitValueWithCoefficientBecomesSixBands)
{
    for (const Row& row : kThreeDigitsWithCoefficient)
        expectEncoding(row);
    EXPECT_EQ(Calcola(std::get<Encoding>(encode("4,75", 1, 4)).state).coefficient, "100 ppm/k");
}

// Every tolerance of the list paints band 5 and reads back as it was chosen.
TEST(Encoder, Tolerances)
{
    const std::string_view paints[]
        = {"5argento", "5oro", "5rosso", "5marrone", "5verde", "5azzurro", "5viola"};
    for (std::size_t i = 0; i < kToleranceItems.size(); ++i) {
        const ToleranceItem& tolerance = kToleranceItems[i];
        const Encoding encoding = std::get<Encoding>(encode("47", 0, 0, tolerance.percent));
        EXPECT_NE(paintsText(encoding.paints).find(paints[i]), std::string::npos) << tolerance.text;
        EXPECT_EQ(Calcola(encoding.state).tolerance, "\u00b1 " + std::string(tolerance.text));
    }
    // 20 % has no band colour: a pasted 4K7M is refused.
    const EncoderResult twenty = encode("4,7", 1, 0, 20);
    ASSERT_TRUE(std::holds_alternative<EncoderMessage>(twenty));
    EXPECT_EQ(std::get<EncoderMessage>(twenty).text, kToleranceWithoutColourMessage);
}

TEST(Encoder, LimitsAndCoefficientBelowOneOhm)
{
    // clang-format off
    expectMessages({{"0,09", 0, 0, kRangeMessage}, {"1000", 2, 0, kRangeMessage}, {"0,1", 0, 0, ""},
        {"999", 2, 0, ""}, {"0,5", 0, 3, kCoefficientBelowOneOhmMessage}, {"1", 0, 3, ""}, {"0,5", 1, 3, ""},
        {"0,99", 0, 5, kCoefficientBelowOneOhmMessage}, {"4.7", 0, 0, kNotNumericMessage}});
    // clang-format on
}

// Zero used to pass in kilo- and mega-ohms and leave band 1 as it was; the limits now hold in ohms.
TEST(Encoder, ZeroIsOutOfRangeInEveryUnit)
{
    // clang-format off
    expectMessages({{"0", 0, 0, kRangeMessage}, {"0", 1, 0, kRangeMessage}, {"0,0", 2, 0, kRangeMessage},
        {",000", 1, 3, kRangeMessage}, {",001", 1, 0, ""}, {"0,01", 1, 3, ""},
        {"-1", 1, 0, kNotNumericMessage}});
    // clang-format on
}

// Three digits below one ohm used to keep the previous multiplier band; now they are refused.
TEST(Encoder, MultiplierBelowSilverIsRefused)
{
    // clang-format off
    expectMessages({{",475", 0, 0, kUnrepresentableMessage}, {",105", 0, 0, kUnrepresentableMessage},
        {",100", 0, 0, ""}, {",475", 1, 0, ""}});
    // clang-format on
}

// The box loses its leading zeros only when the value is above one ohm.
TEST(Encoder, LeadingZeros)
{
    const std::pair<std::string_view, std::string_view> rows[]
        = {{"0047", "47"}, {"01,5", "1,5"}, {"0010", "10"}, {"01", "01"}, {"0,47", "0,47"}, {"00,5", "00,5"}};
    for (const auto& [typed, kept] : rows)
        EXPECT_EQ(std::get<Encoding>(encode(typed, 0, 0)).valueText, kept) << typed;
}
