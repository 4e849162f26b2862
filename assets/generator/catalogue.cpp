#include "catalogue.h"

#include "palette.h"
#include "panelpictures.h"
#include "resistorpictures.h"
#include "smallpictures.h"

#include <utility>

namespace {

// Named as the window's colour images are; the empty paint of "niente" leaves the plain body.
std::vector<std::pair<QString, resistor::BandPaint>> bandPaints()
{
    std::vector<std::pair<QString, resistor::BandPaint>> paints;
    for (const auto& [name, rgb] : picturecolours::kBandColours)
        paints.emplace_back(QString::fromLatin1(name.data(), qsizetype(name.size())),
                            resistor::solidBand(palette::rgb(rgb)));
    paints.emplace_back(QStringLiteral("oro"), resistor::goldBand());
    paints.emplace_back(QStringLiteral("argento"), resistor::silverBand());
    paints.emplace_back(QStringLiteral("niente"), resistor::BandPaint());
    return paints;
}

} // namespace

std::vector<Picture> allPictures()
{
    std::vector<Picture> pictures {
        {"background.png", QSize(400, 400), panel::background},
        {"thumbnail.png", QSize(109, 22), panel::thumbnail},
        {"close.png", QSize(23, 23), panel::closeButton},
        {"bracket.png", QSize(180, 39), panel::bracket},
        {"left_end.png", QSize(127, 95), resistor::leftEnd},
        {"right_end.png", QSize(138, 95), resistor::rightEnd},
        {"display.png", QSize(277, 87), panel::display},
        {"gold.png", QSize(37, 25), smallpictures::goldTexture},
        {"silver.png", QSize(45, 25), smallpictures::silverTexture},
        {"pointer.png", QSize(32, 32), [](int scale) { return smallpictures::pointer(32, scale); }},
        {"pointer16.png", QSize(16, 16), [](int scale) { return smallpictures::pointer(16, scale); }},
    };
    for (const int size : {16, 32, 48}) {
        pictures.push_back({QStringLiteral("icon%1.png").arg(size), QSize(size, size),
                            [size](int scale) { return smallpictures::icon(size, scale); }});
    }
    for (const auto& [name, paint] : bandPaints()) {
        pictures.push_back({QStringLiteral("band_%1.png").arg(name), QSize(21, 95),
                            [paint](int scale) { return resistor::bandSlice(paint, scale); }});
    }
    return pictures;
}

QString fileNameAt(const QString& fileName, int scale)
{
    if (scale == 1)
        return fileName;
    QString scaled = fileName;
    return scaled.insert(scaled.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
}
