// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QIcon;
class QMenu;
class QString;

/// One icon in the desktop's notification area, with the mouse presses on it.
class TrayIconHost : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// Whether the desktop has a notification area at all.
    virtual bool available() const = 0;
    /// Adds the icon; false when there is no notification area to hold it. An empty tip shows none.
    /// A notification area that opens an icon's menu itself (a StatusNotifierItem host showing
    /// the exported menu) is handed `menu`, whose actions it then triggers; a right press that
    /// it leaves to the program is reported by rightPressed. The menu outlives the icon.
    virtual bool show(const QIcon& icon, const QString& tip, QMenu* menu) = 0;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setToolTip(const QString& tip) = 0;
    virtual void remove() = 0;

signals:
    /// A mouse button went down on the icon (or the host asked for the item's activation or its
    /// context menu); position is the cursor's, in screen coordinates.
    void leftPressed(const QPoint& position);
    void rightPressed(const QPoint& position);
};
