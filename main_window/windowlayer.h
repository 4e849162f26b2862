#pragma once

#include <QColor>
#include <QObject>
#include <QRegion>
#include <cstdint>

class QWidget;

// The five window-manager calls the main window is written against, bound to that one window. The
// real layer maps them onto Qt; tests put a failing one in its place.
class WindowLayer
{
public:
    enum class Index
    {
        Style,
        ExtendedStyle
    };

    static constexpr std::uint32_t kLayered = 0x00080000; // extended style: may have a colour key
    static constexpr std::uint32_t kCaption = 0x00C00000; // style: caption bar and frame
    static constexpr std::uint32_t kColourKeyFlag = 1;
    static constexpr unsigned kNonClientLeftButtonDown = 0x00A1;
    static constexpr int kCaptionHit = 2;

    virtual ~WindowLayer() = default;

    // The current value; 0 for the style means failure.
    virtual std::uint32_t windowLong(Index index) = 0;
    // Replaces the value and gives the previous one; 0 for the style means failure.
    virtual std::uint32_t setWindowLong(Index index, std::uint32_t value) = 0;
    // With kColourKeyFlag on a layered window, pixels of the key are neither drawn nor hit.
    virtual void setLayeredWindowAttributes(QColor key, int alpha, std::uint32_t flags) = 0;
    virtual void releaseCapture() = 0;
    // A left-button press on the caption starts an interactive move. Gives false when the window
    // manager cannot move the window, so that the caller moves it itself.
    virtual bool sendMessage(unsigned message, int wParam, long lParam) = 0;
};

// The layer over Qt: the caption bits become the frameless hint and the colour key a window mask of
// every pixel that is not the key colour, taken from the window as it is drawn.
class QtWindowLayer : public QObject, public WindowLayer
{
public:
    explicit QtWindowLayer(QWidget* window);

    std::uint32_t windowLong(Index index) override;
    std::uint32_t setWindowLong(Index index, std::uint32_t value) override;
    void setLayeredWindowAttributes(QColor key, int alpha, std::uint32_t flags) override;
    void releaseCapture() override;
    bool sendMessage(unsigned message, int wParam, long lParam) override;

    // The part of a drawn window that is not the key colour.
    static QRegion visibleRegion(QWidget* window, QColor key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColourKey();

    QWidget* m_window;
    std::uint32_t m_style;
    std::uint32_t m_extendedStyle = 0;
    QColor m_key;
    bool m_applying = false;
};
