#pragma once

#include "display.h"
#include "encoder.h"

#include <string>
#include <vector>

namespace colourcode {

// The four labels as one line, "?" for a label left as it was: "4,7 |KW|-- ppm/k|± 5%".
inline std::string shown(const DisplayTexts& texts)
{
    return texts.value.value_or("?") + "|" + texts.unit.value_or("?") + "|" + texts.coefficient.value_or("?")
        + "|" + texts.tolerance;
}

// The paintings in the order they are made: "1giallo 2viola 3niente ...".
inline std::string paintsText(const std::vector<BandPaint>& paints)
{
    std::string text;
    for (const BandPaint& paint : paints)
        text.append(text.empty() ? "" : " ")
            .append(std::to_string(paint.band))
            .append(colourName(paint.colour));
    return text;
}

} // namespace colourcode
