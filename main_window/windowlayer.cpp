#include "windowlayer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#ifdef CODICOLORIMETRIX_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef CODICOLORIMETRIX_XCB

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The X screen the program runs on, from DISPLAY's ":display.screen".
int x11ScreenNumber()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    return dot > display.lastIndexOf(QLatin1Char(':')) ? display.mid(dot + 1).toInt() : 0;
}

// A compositing manager owns the selection _NET_WM_CM_S<screen> for as long as it runs.
bool x11CompositorRuns(xcb_connection_t* connection)
{
    static const xcb_atom_t selection = [connection] {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(x11ScreenNumber());
        const XcbReply<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(
                connection,
                xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.constData()),
                nullptr),
            &std::free);
        return atom ? atom->atom : xcb_atom_t(XCB_NONE);
    }();
    if (selection == XCB_NONE)
        return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

// The code of XFixes' first event, "a selection changed owner". Qt's X11 platform asks for it on the
// compositing manager's selection, so the events reach the program's native event filters.
int x11SelectionEventType(xcb_connection_t* connection)
{
    static constexpr char kName[] = "XFIXES";
    const XcbReply<xcb_query_extension_reply_t> extension(
        xcb_query_extension_reply(connection, xcb_query_extension(connection, sizeof kName - 1, kName),
                                  nullptr),
        &std::free);
    return extension && extension->present ? extension->first_event : -1;
}

// Qt scales a window's mask from the window's own units, so at twice the scale its edge goes in steps
// of two screen pixels; the X server takes a shape in screen pixels, as fine as the picture's.
void setX11Shape(xcb_connection_t* connection, xcb_window_t window, const QRegion& region)
{
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& rect : region)
        rectangles.push_back({static_cast<int16_t>(rect.x()), static_cast<int16_t>(rect.y()),
                              static_cast<uint16_t>(rect.width()), static_cast<uint16_t>(rect.height())});
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                         window, 0, 0, static_cast<uint32_t>(rectangles.size()), rectangles.data());
    xcb_flush(connection);
}

#endif

} // namespace

WindowLayer::WindowLayer(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

WindowLayer::~WindowLayer()
{
    if (m_selectionEventType >= 0)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowLayer::makeFrameless()
{
    m_window->setWindowFlag(Qt::FramelessWindowHint);
    // Per-pixel alpha has to be asked before the native window exists: X11 gives a window its pixel
    // format when it is created.
    m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->winId();
    QWindow* handle = m_window->windowHandle();
    if (!handle || !handle->handle())
        return false;
    handle->installEventFilter(this);
    connect(handle, &QWindow::screenChanged, this, &WindowLayer::applyShape);
#ifdef CODICOLORIMETRIX_XCB
    if (xcb_connection_t* connection = x11Connection(); connection && m_selectionEventType < 0) {
        m_selectionEventType = x11SelectionEventType(connection);
        if (m_selectionEventType >= 0)
            QCoreApplication::instance()->installNativeEventFilter(this);
    }
#endif
    return true;
}

void WindowLayer::shapeTo(const QImage& picture)
{
    m_picture = picture;
    m_blended = desktopBlends();
    applyShape();
}

bool WindowLayer::startSystemMove()
{
    QWindow* handle = m_window->windowHandle();
    return handle && handle->startSystemMove();
}

QRegion WindowLayer::opaqueRegion(const QImage& picture, bool blended)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    const int scale = std::max(1, qRound(picture.devicePixelRatio()));
    const int width = pixels.width() / scale;
    const int height = pixels.height() / scale;

    // Rows with the same runs of shown pixels make one band of rectangles. This runs before the first
    // frame, over every pixel: a row at a time, with the lists reused.
    // A window pixel covers scale x scale pixels of the picture. Through a blending desktop it shows when
    // any of them is seen at all; else only when all of them are mostly opaque.
    const int threshold = blended ? 1 : 128;
    QRegion region;
    std::vector<std::pair<int, int>> band;
    std::vector<std::pair<int, int>> runs;
    std::vector<int> alphas(static_cast<std::size_t>(width)); // the deciding alpha of each window pixel
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& [left, right] : band)
            region += QRect(left, bandTop, right - left, bottom - bandTop);
    };
    for (int y = 0; y < height; ++y) {
        if (scale == 1) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            for (int x = 0; x < width; ++x)
                alphas[static_cast<std::size_t>(x)] = qAlpha(line[x]);
        } else {
            std::fill(alphas.begin(), alphas.end(), blended ? 0 : 255);
            for (int row = y * scale; row < (y + 1) * scale; ++row) {
                const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(row));
                for (int column = 0; column < width * scale; ++column) {
                    int& alpha = alphas[static_cast<std::size_t>(column / scale)];
                    alpha = blended ? std::max(alpha, qAlpha(line[column]))
                                    : std::min(alpha, qAlpha(line[column]));
                }
            }
        }
        runs.clear();
        for (int x = 0; x < width;) {
            while (x < width && alphas[static_cast<std::size_t>(x)] < threshold)
                ++x;
            const int left = x;
            while (x < width && alphas[static_cast<std::size_t>(x)] >= threshold)
                ++x;
            if (x > left)
                runs.emplace_back(left, x);
        }
        if (runs != band) {
            closeBand(y);
            band.swap(runs);
            bandTop = y;
        }
    }
    closeBand(height);
    return region;
}

bool WindowLayer::desktopBlends()
{
    // Every Wayland compositor blends; an X server only while a compositing manager runs.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
#ifdef CODICOLORIMETRIX_XCB
    if (xcb_connection_t* connection = x11Connection())
        return x11CompositorRuns(connection);
#endif
    return false;
}

bool WindowLayer::eventFilter(QObject* watched, QEvent* event)
{
    // Shown again (restored, another workspace), the window may meet a compositing manager that started
    // meanwhile; on another screen, or when the screen's scale changes, its shape is scaled anew.
    // The first show follows the shape given at load, and needs no second look.
    const bool shownAgain = (event->type() == QEvent::Show && event->spontaneous())
        || event->type() == QEvent::WindowStateChange;
    if (watched == m_window && shownAgain) {
        m_blended = desktopBlends();
        applyShape();
    } else if (watched == m_window->windowHandle() && event->type() == QEvent::Expose
               && m_window->devicePixelRatioF() != m_ratio) {
        applyShape();
    }
    return QObject::eventFilter(watched, event);
}

bool WindowLayer::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef CODICOLORIMETRIX_XCB
    // A compositing manager started or stopped (the clipboard's changes come this way too, and cost
    // one look at the owner).
    if (eventType == "xcb_generic_event_t"
        && (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) == m_selectionEventType) {
        const bool blended = desktopBlends();
        if (blended != m_blended) {
            m_blended = blended;
            applyShape();
        }
    }
#else
    Q_UNUSED(eventType)
    Q_UNUSED(message)
#endif
    return false;
}

void WindowLayer::applyShape()
{
    if (m_picture.isNull())
        return;
    const QRegion region = opaqueRegion(m_picture, m_blended);
    // The widget skips a mask it already has, though the native window needs it again at a new scale.
    const qreal ratio = m_window->devicePixelRatioF();
    if (ratio != m_ratio && !m_window->mask().isEmpty())
        m_window->clearMask();
    m_ratio = ratio;
    m_window->setMask(region);
#ifdef CODICOLORIMETRIX_XCB
    if (xcb_connection_t* connection = x11Connection(); connection && ratio != 1.0) {
        const QSize pixels = (QSizeF(m_window->size()) * ratio).toSize();
        QImage screenPixels = m_picture.size() == pixels
            ? m_picture
            : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        screenPixels.setDevicePixelRatio(1.0);
        setX11Shape(connection, static_cast<xcb_window_t>(m_window->winId()),
                    opaqueRegion(screenPixels, m_blended));
    }
#endif
}
