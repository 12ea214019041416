#pragma once

#include "platform/trayiconhost.h"

#include <QIcon>
#include <QString>

/// A notification area that records its one icon. Tests press the icon by emitting the signals.
class FakeTrayIconHost final : public TrayIconHost
{
public:
    bool available() const override { return hasArea; }
    bool show(const QIcon& newIcon, const QString& newTip) override
    {
        ++shows;
        if (!hasArea)
            return false;
        shown = true;
        icon = newIcon;
        tip = newTip;
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
    int shows = 0;
    int iconChanges = 0;
    int removals = 0;
};
