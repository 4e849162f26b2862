#pragma once

#include "messages.h"

#include <QString>
#include <string_view>

class QWidget;

// Where the core's texts meet the windows: UTF-8 conversion, the omega, and the message boxes.
namespace uitext {

inline const QString kApplicationTitle = QStringLiteral("Codicolorimetrix");

QString fromCore(std::string_view text);

// The core writes units as "W", "KW", "MW", the letters that once stood for an omega; we draw the omega.
QString unitForDisplay(std::string_view unit);

// Qt's own texts (context menus, standard buttons) in Italian whatever the user's locale, from the
// translations in folder. Without them Qt keeps its English texts, and this gives false.
bool loadQtTranslation(const QString& folder);

// A modal box with the application's title, the icon, the text and one OK button.
void showMessage(QWidget* parent, colourcode::MessageIcon icon, std::string_view text);

} // namespace uitext
