// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/popupwindow.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>

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

namespace {

// Steps the frame down (or up) past whatever it covers until it covers nothing; nullopt when it
// leaves the available area first.
std::optional<QRect> steppedClear(QRect frame, const QList<QRect>& occupied, const QRect& available, bool down)
{
    constexpr int gap = 8;
    for (qsizetype step = 0; step <= occupied.size(); ++step) {
        QRect covered;
        for (const QRect& other : occupied) {
            if (other.intersects(frame))
                covered |= other;
        }
        if (covered.isNull())
            return frame;
        if (down)
            frame.moveTop(covered.bottom() + 1 + gap);
        else
            frame.moveBottom(covered.top() - 1 - gap);
        if (!available.contains(frame))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QPoint topLeftClearOf(const QRect& frame, const QList<QRect>& occupied, const QRect& available)
{
    if (const auto below = steppedClear(frame, occupied, available, true))
        return below->topLeft();
    if (const auto above = steppedClear(frame, occupied, available, false))
        return above->topLeft();
    return frame.topLeft();
}

void moveClearOf(QWidget& window, const QList<QRect>& occupied)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    window.move(topLeftClearOf(window.frameGeometry(), occupied, screen->availableGeometry()));
}
