#pragma once

#include "bandstate.h"
#include "colours.h"
#include "encoder.h"

#include <QWidget>
#include <array>

class BackgroundPicture;
class DisplayPanel;
class ImageControl;
class PalettePanel;
class QAction;
class QMenu;
class WindowLayer;

// The main window: a shaped, frameless panel with the resistor, the palette and the display. It owns
// the band state for the whole run.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The colour of the design's see-through corners. The window shows what lies behind it there
    // instead, so this colour never reaches the screen.
    static const QColor kKeyColour;

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Makes the window frameless and shaped and writes the start-up band state. When the platform
    // cannot create the window it tells the user, closes the window and gives false: the program is to
    // end.
    bool load();

    const colourcode::BandState& bandState() const { return m_state; }

    // Hands over a value worked out by the encoder (value entry, paste, standard-value steps): paints its
    // bands, takes its band state and refreshes the display. The selected band and the palette stay as
    // they are.
    void applyEncoding(const colourcode::Encoding& encoding);

    // Turns the band state into the four texts of the display.
    void Calcola();

    // The resistor-type menu, `mnuprinc`, for the bracket's click and its keys.
    QMenu* typeMenu();

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

    WindowLayer* m_layer;
    colourcode::BandState m_state;

    BackgroundPicture* m_background;
    PalettePanel* m_palette = nullptr;
    DisplayPanel* m_display = nullptr;
    std::array<ImageControl*, colourcode::kBandCount> m_bands {};
    std::array<ImageControl*, colourcode::kColourCount> m_colourImages {};
    QList<QAction*> m_typeActions;
    QMenu* m_menu = nullptr;
};
