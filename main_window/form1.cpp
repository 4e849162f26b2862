#include "form1.h"

#include "accessibility.h"
#include "backgroundpicture.h"
#include "clipboardactions.h"
#include "displaypanel.h"
#include "imagecontrol.h"
#include "keyboardnavigation.h"
#include "label.h"
#include "palettepanel.h"
#include "picturecolours.h"
#include "pictures.h"
#include "standardvalueactions.h"
#include "standardvalues.h"
#include "twips.h"
#include "uitext.h"
#include "windowlayer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QScreen>

using colourcode::Colour;

const QColor Form1::kKeyColour(picturecolours::kKey.red, picturecolours::kKey.green,
                               picturecolours::kKey.blue);

namespace {

constexpr int kBandTop = 2520;
constexpr int kBandHeight = 1425;
constexpr std::array<int, colourcode::kBandCount> kBandLefts {1960, 2280, 2595, 2910, 3225, 3540};

QString bandName(int band)
{
    return QStringLiteral("Banda%1").arg(band);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , m_layer(new WindowLayer(this))
    , m_background(new BackgroundPicture(this))
{
    // Before any control is named: an interface, once made, is kept for the control's lifetime.
    accessibility::installInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("CC"));
    setFixedSize(400, 400);

    buildHeader();
    buildResistor();
    buildMenu();
    m_palette = new PalettePanel(m_background);
    connect(m_palette, &PalettePanel::colourClicked, this, &Form1::colourClicked);
    m_display = new DisplayPanel(m_background);
    connect(m_background, &BackgroundPicture::dragStarted, this, &Form1::startMove);
    new ClipboardActions(this);
    new StandardValueActions(this);
    accessibility::announceDisplay(m_display, colourcode::spokenDisplay(m_state));
    new KeyboardNavigation(this);
    m_background->finishLoading();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

void Form1::buildHeader()
{
    QLabel* title = makeLabel({"Label1", twips::rect(120, 840, 5775, 495), QStringLiteral("CODICOLORIMETRIX"),
                               "Arial", 27, QFont::Bold, Qt::AlignHCenter, QColor(0, 0, 255)},
                              m_background);
    title->setAttribute(Qt::WA_NoMousePropagation);

    auto* close
        = new ImageControl(QStringLiteral("Image2"), pictures::load(QStringLiteral("close")), m_background);
    close->setGeometry(twips::rect(5400, 240, 345, 345));
    close->setAccessibleName(QStringLiteral("Chiudi"));
    connect(close, &ImageControl::clicked, this, [this] {
        this->close();
        QCoreApplication::exit(0);
    });

    auto* toColours = new ImageControl(QStringLiteral("Picture16"),
                                       pictures::load(QStringLiteral("thumbnail")), m_background);
    toColours->setGeometry(twips::rect(2160, 1360, 1635, 330));
    toColours->setCursor(pictures::bandPointer());
    toColours->setToolTip(QStringLiteral("Converti da valore a codice a colori..."));
    toColours->setAccessibleName(QStringLiteral("Converti da valore a codice a colori"));
    connect(toColours, &ImageControl::clicked, this, &Form1::valueEntryRequested);
}

void Form1::buildResistor()
{
    // The colour images only hold the band pictures that painting copies; they are never shown. Each
    // picture is read the first time a band takes its colour (see colourImage()).
    for (Colour colour : colourcode::kAllColours) {
        const QString name = QString::fromLatin1(colourcode::colourName(colour));
        auto* image = new ImageControl(name, QPixmap(), m_background);
        image->setGeometry(twips::rect(5400, colour == Colour::marrone ? 1560 : 1440, 315, 1425));
        image->hide();
        m_colourImages[static_cast<std::size_t>(colour)] = image;
    }

    auto* leftEnd = new ImageControl(QStringLiteral("Image1"), pictures::load(QStringLiteral("left_end")),
                                     m_background);
    leftEnd->setGeometry(twips::rect(60, kBandTop, 1905, kBandHeight));
    auto* rightEnd = new ImageControl(QStringLiteral("Image5"), pictures::load(QStringLiteral("right_end")),
                                      m_background);
    rightEnd->setGeometry(twips::rect(3840, kBandTop, 2070, kBandHeight));

    const std::array<Colour, colourcode::kBandCount> startPictures = colourcode::typeDefaultPictures(4);
    for (int band = 1; band <= colourcode::kBandCount; ++band) {
        const auto index = static_cast<std::size_t>(band - 1);
        auto* image
            = new ImageControl(bandName(band), colourImage(startPictures[index])->picture(), m_background);
        image->setGeometry(twips::rect(kBandLefts[index], kBandTop, 315, kBandHeight));
        image->setCursor(pictures::bandPointer());
        image->setAccessibleName(QStringLiteral("Banda %1").arg(band));
        accessibility::describeBand(image, band, startPictures[index]);
        connect(image, &ImageControl::clicked, this, [this, band] { bandClicked(band); });
        m_bands[index] = image;
    }
    m_bands[4]->setToolTip(QStringLiteral("Se la banda \u00e8 assente, la tolleranza \u00e8 del +/- 20%"));

    auto* typeBracket
        = new ImageControl(QStringLiteral("Image4"), pictures::load(QStringLiteral("bracket")), m_background);
    typeBracket->setGeometry(twips::rect(1680, 3720, 2700, 585));
    typeBracket->setCursor(pictures::bandPointer());
    typeBracket->setAccessibleName(QStringLiteral("Tipo resistenza"));
}

void Form1::buildMenu()
{
    // The actions exist from the start; the menu that shows them is made the first time it is wanted,
    // as the window's first frame has no use for it.
    const struct
    {
        const char* name;
        const char* caption;
        int type;
    } items[] = {{"mnu4baned", "4 Bande", 4}, {"mnu5bande", "5 Bande", 5}, {"mnu6bande", "6 Bande", 6}};
    for (const auto& item : items) {
        auto* action = new QAction(QLatin1String(item.caption), this);
        action->setObjectName(QLatin1String(item.name));
        const int type = item.type;
        connect(action, &QAction::triggered, this, [this, type] { typeChosen(type); });
        m_typeActions.append(action);
    }
    auto* typeBracket
        = m_background->findChild<ImageControl*>(QStringLiteral("Image4"), Qt::FindDirectChildrenOnly);
    connect(typeBracket, &ImageControl::clicked, this, [this] { typeMenu()->popup(QCursor::pos()); });
}

QMenu* Form1::typeMenu()
{
    if (!m_menu) {
        m_menu = new QMenu(QStringLiteral("Menu"), this);
        m_menu->setObjectName(QStringLiteral("mnuprinc"));
        m_menu->addActions(m_typeActions);
    }
    return m_menu;
}

bool Form1::load()
{
    if (!m_layer->makeFrameless()) {
        failLoad();
        return false;
    }
    // Around the panel the background picture is see-through, and so is the window: no colour stands
    // for "not drawn".
    m_background->setBackColour(Qt::transparent);
    m_layer->shapeTo(m_background->picture().toImage());
    m_state = colourcode::BandState {};
    return true;
}

void Form1::failLoad()
{
    uitext::showMessage(this, colourcode::MessageIcon::Critical, colourcode::kLoadErrorMessage);
    close();
}

void Form1::startMove(const QPoint& globalPressPosition)
{
    if (!m_layer->startSystemMove())
        m_background->followPointer(globalPressPosition);
}

void Form1::bandClicked(int band)
{
    m_palette->setOpen(true);
    m_palette->ResetPalette();
    m_palette->refuseColoursOf(band);
    m_palette->setPrompt(QStringLiteral("scegli il colore"));
    m_state.iBanda = band;
}

void Form1::colourClicked(Colour colour)
{
    // Before the first band click no band is selected, and the colour paints nothing.
    const int band = m_state.iBanda;
    if (band >= 1 && band <= colourcode::kBandCount && colourcode::bandAccepts(band, colour)) {
        // Picture first, then the variable, from the same row of the colour table.
        showColour(band, colour);
        colourcode::setBandVariable(m_state, band, colour);
    }
    m_palette->setOpen(false);
    m_palette->setPrompt(QStringLiteral("clicca sulla banda"));
    Calcola();
}

void Form1::typeChosen(int tipoRes)
{
    const std::array<Colour, colourcode::kBandCount> pictures = colourcode::typeDefaultPictures(tipoRes);
    for (int band = 1; band <= colourcode::kBandCount; ++band)
        showColour(band, pictures[static_cast<std::size_t>(band - 1)]);
    m_state = colourcode::typeDefaults(m_state, tipoRes);
    Calcola();
}

void Form1::applyEncoding(const colourcode::Encoding& encoding)
{
    for (const colourcode::BandPaint& paint : encoding.paints)
        showColour(paint.band, paint.colour);
    const int selected = m_state.iBanda;
    m_state = encoding.state;
    m_state.iBanda = selected;
    Calcola();
}

void Form1::showColour(int band, Colour colour)
{
    m_bands[static_cast<std::size_t>(band - 1)]->setPicture(colourImage(colour)->picture());
    accessibility::describeBand(m_bands[static_cast<std::size_t>(band - 1)], band, colour);
}

void Form1::Calcola()
{
    m_display->showTexts(colourcode::Calcola(m_state));
    // Whether the value is one that is made; the display itself is not redrawn for it.
    const QString note = uitext::fromCore(colourcode::seriesNote(m_state));
    m_display->setToolTip(note);
    m_display->setAccessibleDescription(note);
    accessibility::announceDisplay(m_display, colourcode::spokenDisplay(m_state));
}

ImageControl* Form1::colourImage(Colour colour) const
{
    ImageControl* image = m_colourImages[static_cast<std::size_t>(colour)];
    if (image->picture().isNull())
        image->setPicture(pictures::band(colour));
    return image;
}
