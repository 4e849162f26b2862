#pragma once

#include <string_view>

// The program's own message texts, shown in message boxes with an icon and one OK button.
namespace colourcode {

enum class MessageIcon
{
    Critical,
    Exclamation
};

inline constexpr std::string_view kRangeMessage = "Il valore deve essere compreso tra 0,1 Ohm e 999 MOhm!";
inline constexpr std::string_view kCoefficientBelowOneOhmMessage
    = "Resistenze con l'indicazione del coefficiente di temperatura non possono avere valori inferiori a 1 "
      "Ohm.";
inline constexpr std::string_view kUnrepresentableMessage
    = "Il valore inserito non pu\u00f2 essere rappresentato con i colori disponibili.";
inline constexpr std::string_view kNotNumericMessage = "Occorre inserire solo valori numerici";
inline constexpr std::string_view kTooLongMessage = "Il valore pu\u00f2 avere al massimo quattro caratteri.";
inline constexpr std::string_view kToleranceWithoutColourMessage
    = "Nessun colore indica questa tolleranza: le bande conoscono 10%, 5%, 2%, 1%, 0,5%, 0,25% e 0,1%.";
inline constexpr std::string_view kTooManyDigitsMessage
    = "Il valore ha pi\u00f9 di tre cifre significative: le bande ne possono indicare al massimo tre.";
inline constexpr std::string_view kUnknownPasteMessage
    = "Il testo non \u00e8 un valore di resistenza. Si possono incollare codici come 4K7, R47, 470R, 4M7 "
      "(con la lettera della tolleranza dopo, come 4K7J) oppure numeri con la virgola o il punto, con k, K "
      "o M e con \u03a9 o ohm, come 4,7k, 4.7 k\u03a9, 4700 o 0,47 ohm.";
inline constexpr std::string_view kLoadErrorMessage = "Errore durante il caricamento.";

} // namespace colourcode
