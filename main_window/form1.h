#pragma once

#include "bandstate.h"
#include "colours.h"
#include "encoder.h"
#include "windowlayer.h"

#include <QWidget>
#include <array>
#include <memory>

class BackgroundPicture;
class DisplayPanel;
class ImageControl;
class PalettePanel;
class QAction;
class QMenu;

// The main window: a shaped, frameless panel with the resistor, the palette and the display. It owns
// the band state for the whole run.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The key colour: pixels of exactly this colour are neither drawn nor hit by the pointer.
    static const QColor kKeyColour;

    // Without a layer the window uses the one over Qt; tests pass their own.
    explicit Form1(std::unique_ptr<WindowLayer> layer = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // Makes the window frameless and shaped and writes the start-up band state. On failure it has told
    // the user and closed the window, and gives false: the program is to end.
    bool load();

    const colourcode::BandState& bandState() const { return m_state; }

    // Hands over a value worked out by the encoder (value entry, paste, standard-value steps): paints its
    // bands, takes its band state and refreshes the display. The selected band and the palette stay as
    // they are.
    void applyEncoding(const colourcode::Encoding& encoding);

    // Turns the band state into the four texts of the display.
    void Calcola();

signals:
    void valueEntryRequested();

private:
    void buildResistor();
    void buildHeader();
    void buildMenu();
    void failLoad();

    void bandClicked(int band);
    void colourClicked(colourcode::Colour colour);
    void typeChosen(int tipoRes);
    void startMove(const QPoint& globalPressPosition);
    void showColour(int band, colourcode::Colour colour);
    ImageControl* colourImage(colourcode::Colour colour) const;

    std::unique_ptr<WindowLayer> m_ownedLayer;
    WindowLayer* m_layer;
    colourcode::BandState m_state;

    BackgroundPicture* m_background;
    PalettePanel* m_palette = nullptr;
    DisplayPanel* m_display = nullptr;
    std::array<ImageControl*, colourcode::kBandCount> m_bands {};
    std::array<ImageControl*, colourcode::kColourCount> m_colourImages {};
    QMenu* m_menu = nullptr;
};
