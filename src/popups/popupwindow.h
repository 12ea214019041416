// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

// Window-manager requests shared by the pop-up windows.

/// Puts the window into the stay-on-top band or takes it out. The flag is changed on the
/// native window, so that a shown widget is not hidden and re-created.
void setStaysOnTop(QWidget& window, bool on);

/// Puts the window back on top of the stay-on-top band without moving or activating it.
void showOnTop(QWidget& window);

/// Brings the window to the foreground: on top of its band and active.
void bringToFront(QWidget& window);

/// Centres the window on the screen it belongs to.
void centreOnScreen(QWidget& window);

/// Where a window of the given frame goes so that it covers none of the occupied frames: where it
/// is when it covers none, else just below them, else just above them, inside the available area.
/// The message windows keep raising themselves, so a warning under one would never be seen.
QPoint topLeftClearOf(const QRect& frame, const QList<QRect>& occupied, const QRect& available);

/// Moves the window clear of the occupied frames on its screen.
void moveClearOf(QWidget& window, const QList<QRect>& occupied);
