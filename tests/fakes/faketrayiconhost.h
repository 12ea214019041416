// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/trayiconhost.h"

#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QString>

/// A notification area that records its one icon and the menu handed to it. Tests press the icon
/// by emitting the signals.
class FakeTrayIconHost final : public TrayIconHost
{
public:
    bool available() const override { return hasArea; }
    bool show(const QIcon& newIcon, const QString& newTip, QMenu* newMenu) override
    {
        ++shows;
        if (!hasArea)
            return false;
        shown = true;
        icon = newIcon;
        tip = newTip;
        menu = newMenu;
        return true;
    }
    void setIcon(const QIcon& newIcon) override
    {
        ++iconChanges;
        icon = newIcon;
    }
    void setToolTip(const QString& newTip) override { tip = newTip; }
    void remove() override
    {
        ++removals;
        shown = false;
    }

    bool hasArea = true;
    bool shown = false;
    QIcon icon;
    QString tip;
    /// The menu handed over, as a StatusNotifierItem host keeps it to show.
    QPointer<QMenu> menu;
    int shows = 0;
    int iconChanges = 0;
    int removals = 0;
};
