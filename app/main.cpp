#include "form1.h"
#include "form2.h"
#include "pictures.h"
#include "uitext.h"

#include <QApplication>
#include <QLibraryInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("codicolorimetrix"));
    QApplication::setWindowIcon(pictures::programIcon());
    uitext::loadQtTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    Form1 form1;
    if (!form1.load())
        return 1;
    Form2::attachTo(&form1);
    form1.show();
    return QApplication::exec();
}
