#include "keyboardnavigation.h"

#include "focusframe.h"
#include "form1.h"
#include "imagecontrol.h"
#include "palettepanel.h"
#include "swatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

using colourcode::Colour;

namespace {

constexpr int kBracket = 6;
constexpr int kThumbnail = 7;
constexpr int kClose = 8;

const char* const kPlaceNames[]
    = {"Banda1", "Banda2", "Banda3", "Banda4", "Banda5", "Banda6", "Image4", "Picture16", "Image2"};

// Emits the control's click, as the pointer would.
void press(ImageControl* control)
{
    emit control->clicked();
}

bool isActivation(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
}

bool isContextMenuKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() & Qt::ShiftModifier);
}

} // namespace

KeyboardNavigation::KeyboardNavigation(Form1* form1)
    : QObject(form1)
    , m_form1(form1)
    , m_mark(new FocusFrame(form1))
{
    for (std::size_t i = 0; i < m_places.size(); ++i) {
        m_places[i] = form1->findChild<ImageControl*>(QLatin1String(kPlaceNames[i]));
        // Tab focus only: a click must not move the focus, so the mark never jumps under the pointer.
        m_places[i]->setFocusPolicy(Qt::TabFocus);
    }
    for (Swatch* swatch : form1->findChildren<Swatch*>())
        swatch->setFocusPolicy(Qt::TabFocus);
    m_places[0]->setFocus();

    const auto pressOn = [this](int place) { return [this, place] { press(m_places[place]); }; };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), form1), &QShortcut::activated, this,
            pressOn(kClose));
    // A window manager takes Alt+F4 for itself and closes the window; without one it reaches us.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), form1), &QShortcut::activated, this,
            pressOn(kClose));
    connect(new QShortcut(QKeySequence(Qt::Key_F2), form1), &QShortcut::activated, this, pressOn(kThumbnail));

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
    qApp->installEventFilter(this);
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == QApplication::focusWidget()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (const int place = placeOf(watched); place >= 0)
                return placeKey(place, key);
            if (auto* swatch = qobject_cast<Swatch*>(watched); swatch && swatch->window() == m_form1)
                return swatchKey(swatch, key);
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_form1)
            hideMark();
        break;
    case QEvent::Resize:
        // However the palette closed (a swatch clicked or pressed, Esc), the focus leaves its swatches.
        if (const auto* panel = qobject_cast<PalettePanel*>(watched); panel && !panel->isOpen()
            && qobject_cast<Swatch*>(QApplication::focusWidget()) && panel->window() == m_form1)
            returnToBand();
        break;
    case QEvent::Hide:
        if (watched != m_form1 && watched->isWidgetType()) {
            const auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->windowType() != Qt::Popup
                && window->windowType() != Qt::ToolTip)
                giveBackKeyboard();
        }
        break;
    case QEvent::Show:
        if (watched == m_form1)
            giveBackKeyboard();
        break;
    default:
        break;
    }
    return false;
}

bool KeyboardNavigation::placeKey(int place, const QKeyEvent* key)
{
    const int count = static_cast<int>(m_places.size());
    if (key->key() == Qt::Key_Tab) {
        moveFocus(m_places[static_cast<std::size_t>((place + 1) % count)]);
        return true;
    }
    if (key->key() == Qt::Key_Backtab) {
        moveFocus(m_places[static_cast<std::size_t>((place + count - 1) % count)]);
        return true;
    }
    if (place < colourcode::kBandCount) {
        const int band = place + 1;
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            const int next = key->key() == Qt::Key_Left ? place - 1 : place + 1;
            if (next >= 0 && next < colourcode::kBandCount)
                moveFocus(m_places[static_cast<std::size_t>(next)]);
            return true;
        }
        if (isActivation(key)) {
            openPalette(band);
            return true;
        }
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
            paintDigit(band, key->key() - Qt::Key_0);
            return true;
        }
        return false;
    }
    if (place == kBracket && (isActivation(key) || isContextMenuKey(key))) {
        popUpTypeMenu();
        return true;
    }
    if ((place == kThumbnail || place == kClose) && isActivation(key)) {
        press(m_places[static_cast<std::size_t>(place)]);
        return true;
    }
    return false;
}

bool KeyboardNavigation::swatchKey(Swatch* swatch, const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (Swatch* next = swatchAfter(swatch, key->key() == Qt::Key_Left ? -1 : 1))
            moveFocus(next);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (swatch->isEnabled())
            press(swatch);
        return true;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        closePalette();
        return true;
    default:
        return false;
    }
}

void KeyboardNavigation::moveFocus(QWidget* target)
{
    m_markShown = true;
    target->setFocus(Qt::OtherFocusReason);
    followFocus(target);
}

void KeyboardNavigation::followFocus(QWidget* now)
{
    const bool ours = now && (placeOf(now) >= 0 || (qobject_cast<Swatch*>(now) && now->window() == m_form1));
    if (!ours || !m_markShown) {
        m_mark->hide();
        return;
    }
    m_mark->surround(now);
    m_mark->show();
}

void KeyboardNavigation::hideMark()
{
    m_markShown = false;
    m_mark->hide();
}

void KeyboardNavigation::openPalette(int band)
{
    press(m_places[static_cast<std::size_t>(band - 1)]);
    for (Swatch* swatch : palette()->findChildren<Swatch*>())
        swatch->setFocusPolicy(Qt::TabFocus);
    // Start on the band's own colour where the palette offers it, else on the first colour it accepts.
    const colourcode::BandState& state = m_form1->bandState();
    const std::optional<Colour> current = colourcode::colourFor(band, colourcode::bandVariable(state, band));
    Swatch* start = current ? palette()->swatch(*current) : nullptr;
    if (!start || !start->isEnabled())
        start = swatchAfter(nullptr, 1);
    if (start)
        moveFocus(start);
}

void KeyboardNavigation::closePalette()
{
    // Unlike a swatch click, closing paints nothing and leaves the display as it is.
    palette()->setOpen(false);
    palette()->setPrompt(QStringLiteral("clicca sulla banda"));
    returnToBand();
}

void KeyboardNavigation::paintDigit(int band, int digit)
{
    // Band 2 takes all ten digit colours, so it finds the colour of any digit.
    const std::optional<Colour> colour = colourcode::colourFor(2, digit);
    if (!colour || !colourcode::bandAccepts(band, *colour))
        return;
    press(m_places[static_cast<std::size_t>(band - 1)]);
    press(palette()->swatch(*colour));
}

void KeyboardNavigation::popUpTypeMenu()
{
    QMenu* menu = m_form1->typeMenu();
    const ImageControl* bracket = m_places[kBracket];
    menu->popup(bracket->mapToGlobal(QPoint(0, bracket->height())));
    // A screen reader speaks the active item; the arrows go on from there.
    if (!menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().constFirst());
}

void KeyboardNavigation::returnToBand()
{
    // The mark stays as it is: after a swatch clicked with the mouse it stays hidden.
    const int band = m_form1->bandState().iBanda;
    ImageControl* place
        = m_places[static_cast<std::size_t>(band >= 1 && band <= colourcode::kBandCount ? band - 1 : 0)];
    place->setFocus(Qt::OtherFocusReason);
    followFocus(place);
}

void KeyboardNavigation::giveBackKeyboard()
{
    // Without a window manager nobody activates the main window: not at start, and not when a window
    // it opened closes. The focus then goes back to the control that had it.
    QTimer::singleShot(0, m_form1, [this] {
        if (m_form1->isVisible() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget()
            && QApplication::activeWindow() != m_form1)
            m_form1->activateWindow();
    });
}

PalettePanel* KeyboardNavigation::palette() const
{
    return m_form1->findChild<PalettePanel*>(QStringLiteral("Picture1"));
}

Swatch* KeyboardNavigation::swatchAfter(const Swatch* from, int step) const
{
    // In palette order, skipping the colours the band refuses; from nothing, the first one accepted.
    const auto& colours = colourcode::kPaletteColours;
    const int count = static_cast<int>(colours.size());
    int index = step > 0 ? -1 : count;
    if (from)
        index = static_cast<int>(std::find(colours.begin(), colours.end(), from->colour()) - colours.begin());
    for (index += step; index >= 0 && index < count; index += step) {
        Swatch* swatch = palette()->swatch(colours[static_cast<std::size_t>(index)]);
        if (swatch && swatch->isEnabled())
            return swatch;
    }
    return nullptr;
}

int KeyboardNavigation::placeOf(const QObject* object) const
{
    const auto found = std::find(m_places.begin(), m_places.end(), object);
    return found == m_places.end() ? -1 : static_cast<int>(found - m_places.begin());
}
