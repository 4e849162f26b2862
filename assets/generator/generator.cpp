#include "generator.h"

#include "catalogue.h"
#include "lettering.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QTextStream>

namespace {

// A picture of at most 256 colours is written with a palette: the same pixels, decoded at start-up
// several times faster than in full colour. The others are written as drawn.
QImage withPaletteIfFew(const QImage& image)
{
    const QImage pixels
        = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QList<QRgb> colours;
    QHash<QRgb, int> indexOf;
    QImage indexed(pixels.size(), QImage::Format_Indexed8);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        uchar* indices = indexed.scanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            auto found = indexOf.constFind(line[x]);
            if (found == indexOf.constEnd()) {
                if (colours.size() == 256)
                    return image;
                found = indexOf.insert(line[x], static_cast<int>(colours.size()));
                colours.append(line[x]);
            }
            indices[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(colours);
    indexed.setDevicePixelRatio(image.devicePixelRatio());
    return indexed;
}

bool writePicture(const Picture& picture, int scale, const QDir& directory, QTextStream& errors)
{
    const QImage image = picture.draw(scale);
    const QString fileName = fileNameAt(picture.fileName, scale);
    if (image.size() != picture.size * scale) {
        errors << fileName << ": drawn at the wrong size\n";
        return false;
    }
    if (!withPaletteIfFew(image).save(directory.filePath(fileName), "PNG")) {
        errors << fileName << ": cannot write to " << directory.path() << "\n";
        return false;
    }
    return true;
}

} // namespace

int runGenerator(int argc, char* argv[])
{
    // Drawing needs fonts but no screen; this also lets the generator run on build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream errors(stderr);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        errors << "usage: asset_generator <output directory>\n";
        return 2;
    }
    if (!lettering::fontAvailable()) {
        errors << "Liberation Sans is not installed (Debian: fonts-liberation)\n";
        return 1;
    }
    const QDir directory(arguments.at(1));
    if (!directory.mkpath(QStringLiteral("."))) {
        errors << "cannot create " << directory.path() << "\n";
        return 1;
    }
    bool allWritten = true;
    for (const Picture& picture : allPictures()) {
        for (const int scale : {1, 2})
            allWritten = writePicture(picture, scale, directory, errors) && allWritten;
    }
    return allWritten ? 0 : 1;
}
