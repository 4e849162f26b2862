#include "uitext.h"

#include "display.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

namespace uitext {

QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString unitForDisplay(std::string_view unit)
{
    return fromCore(colourcode::withOmega(unit));
}

bool loadQtTranslation(const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

void showMessage(QWidget* parent, colourcode::MessageIcon icon, std::string_view text)
{
    const auto boxIcon
        = icon == colourcode::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning;
    QMessageBox box(boxIcon, kApplicationTitle, fromCore(text), QMessageBox::Ok, parent);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the window that asked.
    if (parent)
        parent->window()->activateWindow();
}

} // namespace uitext
