#pragma once

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
