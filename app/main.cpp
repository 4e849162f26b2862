#include "displaycheck.h"
#include "form1.h"
#include "form2.h"
#include "pictures.h"
#include "uitext.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <cstdlib>
#include <future>

int main(int argc, char* argv[])
{
    exitClearlyWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("codicolorimetrix"));
    // Reading the system's font list is the longest step before the first frame. It runs here on a second
    // thread while the window is built; the window's first font waits for it to end, and nothing else.
    const std::future<void> fontList = std::async(std::launch::async, [] { QFontDatabase::families(); });
    uitext::loadQtTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    Form1 form1;
    if (!form1.load())
        return 1;
    Form2::attachTo(&form1);
    // Given before the window is shown, so it has its icon from the start; given after the window is
    // built, so the first picture read, which sets up Qt's image formats, is the background's, on
    // another thread while the window loads its fonts.
    QApplication::setWindowIcon(pictures::programIcon());
    form1.show();
    const int status = QApplication::exec();
    // Nothing is kept, so the program may end at once; Qt 6.4's Wayland client now and then hangs
    // waiting for its event thread while it is torn down.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::_Exit(status);
    return status;
}
