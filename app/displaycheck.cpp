#include "displaycheck.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category; // null when the message had none
    QString text;
};

QtMessageHandler previousHandler = nullptr;
bool starting = false;

// Qt's own notes about each platform it tried are in English and advise reinstalling: they are held
// back until a platform is up and shown then; if none comes up, the one line replaces them.
QList<HeldMessage>& heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

[[noreturn]] void explainAndExit()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        std::fprintf(
            stderr,
            "codicolorimetrix: la piattaforma grafica \"%s\" scelta con QT_QPA_PLATFORM non si avvia: "
            "il programma richiede una sessione grafica X11 o Wayland (senza schermo: xvfb-run "
            "codicolorimetrix)\n",
            platform);
    else
        std::fputs("codicolorimetrix: nessuna sessione grafica: il programma richiede una sessione X11 o "
                   "Wayland (senza schermo: xvfb-run codicolorimetrix)\n",
                   stderr);
    // _exit, not exit: Qt is half started and its static objects are not safe to destroy.
    _exit(1);
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The platform's name is set the moment a platform starts; before that, a fatal message means none could.
    if (starting && QGuiApplication::platformName().isEmpty()) {
        if (type == QtFatalMsg)
            explainAndExit();
        heldMessages().append({type, QByteArray(context.category), text});
        return;
    }
    previousHandler(type, context, text);
}

// Runs once the application object is complete, so its platform is up: hands back what was held
// and gives Qt its own message handling again.
void platformStarted()
{
    if (!starting)
        return;
    starting = false;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : std::as_const(heldMessages())) {
        const char* category = held.category.isNull() ? nullptr : held.category.constData();
        const QMessageLogContext context(nullptr, 0, nullptr, category);
        previousHandler(held.type, context, held.text);
    }
    heldMessages().clear();
}
Q_COREAPP_STARTUP_FUNCTION(platformStarted)

} // namespace

void exitClearlyWithoutDisplay()
{
    starting = true;
    previousHandler = qInstallMessageHandler(handleMessage);
}
