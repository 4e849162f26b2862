#include "pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace pictures {

namespace {

struct File
{
    QString path;
    qreal ratio;
};

// The sharp picture on a screen of more than one device pixel to a window pixel.
File fileFor(const QString& name)
{
    const QString sharp = QStringLiteral(":/pictures/%1@2x.png").arg(name);
    if (qApp->devicePixelRatio() > 1.0 && QFile::exists(sharp))
        return {sharp, 2.0};
    return {QStringLiteral(":/pictures/%1.png").arg(name), 1.0};
}

} // namespace

QPixmap load(const QString& name)
{
    const File file = fileFor(name);
    QPixmap pixmap(file.path);
    pixmap.setDevicePixelRatio(file.ratio);
    return pixmap;
}

std::future<QImage> loadLater(const QString& name)
{
    // The file is chosen here, where the screen's scale is known; an image, unlike a pixmap, may be read
    // on another thread.
    const File file = fileFor(name);
    return std::async(std::launch::async, [file] {
        QImage image(file.path);
        image.setDevicePixelRatio(file.ratio);
        return image;
    });
}

QPixmap band(colourcode::Colour colour)
{
    return load(QStringLiteral("band_") + QString::fromLatin1(colourcode::colourName(colour)));
}

QIcon programIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(QLatin1String(size)));
    return icon;
}

QCursor bandPointer()
{
    // The arrow points up; its tip is the hot spot. Made once: eight controls share it.
    static const QCursor pointer(load(QStringLiteral("pointer")), 15, 0);
    return pointer;
}

} // namespace pictures
