#pragma once

#include <QAbstractNativeEventFilter>
#include <QImage>
#include <QObject>
#include <QRegion>

class QWidget;

// What the main window asks of the desktop: no frame, a shape cut out of its background picture, and
// moves that the window manager carries out. Bound to that one window for its whole life.
class WindowLayer : public QObject, private QAbstractNativeEventFilter
{
public:
    explicit WindowLayer(QWidget* window);
    ~WindowLayer() override;

    // Asks for a window without caption or frame, with see-through pixels, and creates it now. Gives
    // false when the platform could not create the window: the program cannot run.
    bool makeFrameless();

    // From now on only the opaque pixels of the picture, laid over the whole window, are drawn and hit.
    void shapeTo(const QImage& picture);

    // Hands the move under way with the left button to the window manager. Gives false when there is
    // none to take it, so that the caller moves the window itself.
    bool startSystemMove();

    // The pixels, in the window's own units, that show the picture. Where the desktop blends windows
    // with what lies behind, a pixel the picture only partly covers belongs to the window, so that its
    // soft edge is drawn; elsewhere only a pixel at least half covered does, the way the edge would be
    // cut without antialiasing.
    static QRegion opaqueRegion(const QImage& picture, bool blended);

    // Whether the desktop blends the window's see-through pixels with what lies behind it.
    static bool desktopBlends();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void applyShape();

    QWidget* m_window;
    QImage m_picture;
    bool m_blended = false;
    qreal m_ratio = 0; // of the screen the shape was last applied on
    int m_selectionEventType = -1; // the X server's code for "a selection changed owner", if known
};
