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
inline constexpr std::string_view kLoadErrorMessage = "Errore durante il caricamento.";

} // namespace colourcode
