#include "label.h"

#include <QFontMetrics>
#include <QLabel>
#include <cstring>

namespace {

// Liberation Sans has Arial's widths. In place of MS Sans Serif it keeps the value entry window's
// prompts as drawn: the words end clear of each field and the dots run on under it, where a narrower
// face (Liberation Sans Narrow) stops them short and a wider one (DejaVu Sans) leaves no dot showing.
// DejaVu Sans descends from the design that Verdana's widths follow. The stand-in is asked for first:
// the same widths on every machine, and a face that is installed is found without a fallback search,
// which costs more at start-up than loading the face itself.
constexpr struct
{
    const char* design;
    const char* standIn;
} kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Arial Black", "Liberation Sans"},
    {"Verdana", "DejaVu Sans"},
    {"MS Sans Serif", "Liberation Sans"},
};

} // namespace

QFont designFont(const char* family, int pixelSize, QFont::Weight weight)
{
    QStringList families;
    for (const auto& face : kStandIns) {
        if (std::strcmp(face.design, family) == 0)
            families.append(QLatin1String(face.standIn));
    }
    families.append(QLatin1String(family));
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    // Every character the windows show is in both stand-ins; without merging Qt skips building, for each
    // face, the list of faces to borrow missing characters from.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QLabel* makeLabel(const LabelDesign& design, QWidget* parent)
{
    auto* label = new QLabel(design.caption, parent);
    label->setObjectName(QLatin1String(design.name));
    label->setGeometry(design.place);
    QFont font = designFont(design.family, design.pixelSize, design.weight);
    if (design.pixelSize < 10)
        font.setLetterSpacing(QFont::PercentageSpacing, 92); // Verdana's stand-in runs a little wide
    label->setFont(font);
    label->setAlignment(design.alignment | Qt::AlignTop);
    // The same colour in every group, so that a label on a disabled control does not turn grey.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, design.colour);
    label->setPalette(palette);
    return label;
}

bool textFits(const QFont& font, const QString& text, const QSize& box)
{
    // Laid out from the top of the box: the characters' lowest point lies that far below the baseline.
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= box.width()
        && metrics.ascent() + metrics.tightBoundingRect(text).bottom() < box.height();
}

void fitText(QLabel* label, int designPixelSize, int width)
{
    const QSize box(width, label->contentsRect().height());
    QFont font = label->font();
    for (int size = designPixelSize; size > 1; --size) {
        font.setPixelSize(size);
        if (textFits(font, label->text(), box))
            break;
    }
    if (font != label->font())
        label->setFont(font);
}
