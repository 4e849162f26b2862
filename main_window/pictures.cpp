#include "pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace pictures {

QPixmap load(const QString& name)
{
    const QString path = QStringLiteral(":/pictures/%1.png").arg(name);
    const QString sharp = QStringLiteral(":/pictures/%1@2x.png").arg(name);
    if (qApp->devicePixelRatio() > 1.0 && QFile::exists(sharp)) {
        QPixmap pixmap(sharp);
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return QPixmap(path);
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
