#pragma once

#include "colours.h"

#include <QFrame>
#include <array>

class QLabel;
class Swatch;

// The palette panel: a one-line prompt, and under it the row of swatches that shows only while the
// panel is open.
class PalettePanel : public QFrame
{
    Q_OBJECT

public:
    explicit PalettePanel(QWidget* parent);

    bool isOpen() const;
    void setOpen(bool open);
    void setPrompt(const QString& prompt);

    // Every swatch enabled, every X hidden.
    void ResetPalette();
    // Disables and marks with X the colours the band refuses.
    void refuseColoursOf(int band);

    Swatch* swatch(colourcode::Colour colour) const;

signals:
    void colourClicked(colourcode::Colour colour);

private:
    QLabel* m_prompt;
    std::array<Swatch*, colourcode::kPaletteColours.size()> m_swatches {};
};
