#pragma once

#include "colours.h"

#include <string>

class QWidget;

// What the main window tells screen readers: which of its pictures are buttons, what each band shows,
// and the display in words.
namespace accessibility {

// Makes the main window's pictures, panels and display known to the accessibility framework; once per
// run, before the first of its controls is made.
void installInterfaces();

// The band place's description: its colour and what the colour means on it.
void describeBand(QWidget* bandPlace, int band, colourcode::Colour colour);

// Gives the display its words and tells screen readers that they changed.
void announceDisplay(QWidget* display, const std::string& words);

} // namespace accessibility
