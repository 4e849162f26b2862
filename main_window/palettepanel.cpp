#include "palettepanel.h"

#include "label.h"
#include "swatch.h"
#include "twips.h"

#include <QLabel>

namespace {

using colourcode::Colour;

constexpr int kLeft = 120;
constexpr int kTop = 1720;
constexpr int kWidth = 5775;
constexpr int kClosedHeight = 375;
constexpr int kOpenHeight = 735;
constexpr int kBorder = 1; // pixels; children are placed inside it

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// Left to right, in palette order.
const std::array<Swatch::Design, 12> kSwatches {{
    {Colour::nero, "Picture2", 120, QColor(0, 0, 0), nullptr, "Nero", "xnero", kWhite},
    {Colour::marrone, "Picture3", 590, QColor(128, 64, 64), nullptr, "Marrone", "xmarrone", kWhite},
    {Colour::rosso, "Picture4", 1058, QColor(255, 0, 0), nullptr, "Rosso", "xrosso", kWhite},
    {Colour::arancione, "Picture5", 1527, QColor(255, 158, 52), nullptr, "Arancio", "xarancio", kWhite},
    {Colour::giallo, "Picture15", 1996, QColor(255, 255, 0), nullptr, "Giallo", "xgiallo", kBlack},
    {Colour::verde, "Picture6", 2465, QColor(32, 210, 65), nullptr, "Verde", "xverde", kWhite},
    {Colour::azzurro, "Picture7", 2934, QColor(51, 97, 154), nullptr, "Azzurro", "xazzurro", kWhite},
    {Colour::viola, "Picture8", 3403, QColor(180, 98, 203), nullptr, "Viola", "xviola", kWhite},
    {Colour::grigio, "Picture9", 3872, QColor(128, 128, 128), nullptr, "Grigio", "xgrigio", kWhite},
    {Colour::bianco, "Picture10", 4341, QColor(255, 255, 255), nullptr, "Bianco", "xbianco", kBlack},
    {Colour::oro, "Picture11", 4810, QColor(255, 192, 128), "gold", "Oro", "xoro", kWhite},
    {Colour::argento, "Picture12", 5279, QColor(192, 192, 192), "silver", "Argento", "xargento", kWhite},
}};

} // namespace

PalettePanel::PalettePanel(QWidget* parent)
    : QFrame(parent)
    , m_prompt(makeLabel({"Ind", twips::rect(0, 0, kWidth, kClosedHeight).translated(kBorder, kBorder),
                          QStringLiteral("clicca sulla banda"), "Arial", 19, QFont::Bold, Qt::AlignHCenter},
                         this))
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_NoMousePropagation);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorder);
    setAutoFillBackground(true);
    QPalette panelPalette = palette();
    panelPalette.setColor(QPalette::Window, QColor(224, 224, 224));
    panelPalette.setColor(QPalette::WindowText, QColor(128, 128, 128)); // the border
    setPalette(panelPalette);
    setGeometry(twips::rect(kLeft, kTop, kWidth, kClosedHeight));

    for (std::size_t i = 0; i < kSwatches.size(); ++i) {
        auto* swatch = new Swatch(kSwatches[i], this);
        swatch->setGeometry(twips::rect(kSwatches[i].left, 360, 375, 255).translated(kBorder, kBorder));
        connect(swatch, &Swatch::clicked, this, [this, swatch] { emit colourClicked(swatch->colour()); });
        m_swatches[i] = swatch;
    }
}

bool PalettePanel::isOpen() const
{
    return height() == twips::toPixels(kOpenHeight);
}

void PalettePanel::setOpen(bool open)
{
    resize(width(), twips::toPixels(open ? kOpenHeight : kClosedHeight));
}

void PalettePanel::setPrompt(const QString& prompt)
{
    m_prompt->setText(prompt);
}

void PalettePanel::ResetPalette()
{
    for (Swatch* swatch : m_swatches)
        swatch->refusedMark()->hide();
    for (Swatch* swatch : m_swatches)
        swatch->setEnabled(true);
}

void PalettePanel::refuseColoursOf(int band)
{
    for (Swatch* swatch : m_swatches) {
        if (!colourcode::bandAccepts(band, swatch->colour())) {
            swatch->setEnabled(false);
            swatch->refusedMark()->show();
        }
    }
}

Swatch* PalettePanel::swatch(colourcode::Colour colour) const
{
    for (Swatch* swatch : m_swatches) {
        if (swatch->colour() == colour)
            return swatch;
    }
    return nullptr;
}
