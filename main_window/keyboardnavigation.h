#pragma once

#include <QObject>
#include <array>

class FocusFrame;
class Form1;
class ImageControl;
class PalettePanel;
class QKeyEvent;
class Swatch;

// The main window without a mouse. Tab goes round the band places, the type bracket, the thumbnail and
// the close picture; the arrows move between bands and over the open palette; Enter and Space click;
// a digit paints its colour on the band; Esc closes the palette unpainted; F2 opens the value entry
// window; Ctrl+Q and Alt+F4 end the program. Every action goes through the same clicks the mouse
// makes. The focus mark shows from the first key that moves the focus until the next mouse press.
class KeyboardNavigation : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardNavigation(Form1* form1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool placeKey(int place, const QKeyEvent* key);
    bool swatchKey(Swatch* swatch, const QKeyEvent* key);
    void moveFocus(QWidget* target);
    void followFocus(QWidget* now);
    void hideMark();
    void openPalette(int band);
    void closePalette();
    void paintDigit(int band, int digit);
    void popUpTypeMenu();
    void returnToBand();
    void giveBackKeyboard();

    PalettePanel* palette() const;
    Swatch* swatchAfter(const Swatch* from, int step) const;
    int placeOf(const QObject* object) const;

    Form1* m_form1;
    // The six band places, then the type bracket, the thumbnail and the close picture: the Tab round.
    std::array<ImageControl*, 9> m_places {};
    FocusFrame* m_mark;
    bool m_markShown = false;
};
