// The floor for the program's start-up: the least any frameless, shaped 400 x 400 window that shows one
// picture and one line of text costs, built the same way the program builds its windows.

#include "label.h"
#include "pictures.h"

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(400, 400);
    const QPixmap picture = pictures::load(QStringLiteral("background"));
    auto* image = new QLabel(&window);
    image->setPixmap(picture);
    image->setGeometry(window.rect());
    auto* text = new QLabel(QStringLiteral("CODICOLORIMETRIX"), &window);
    text->setFont(designFont("Arial", 27, QFont::Bold));
    text->setGeometry(8, 56, 385, 33);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    window.setMask(picture.mask());
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
