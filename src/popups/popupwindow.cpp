#include "popups/popupwindow.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

void setStaysOnTop(QWidget& window, bool on)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    // setWindowFlags() would hide the widget; only the native window and the widget's record change.
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

void showOnTop(QWidget& window)
{
    setStaysOnTop(window, true);
    if (window.isVisible())
        window.raise();
}

void bringToFront(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
