// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/trayiconhost.h"

#include <QSystemTrayIcon>
#include <memory>

/// The notification area through QSystemTrayIcon: a StatusNotifierItem where the desktop offers
/// one, an XEmbed icon otherwise.
class SystemTrayIconHost final : public TrayIconHost
{
    Q_OBJECT

public:
    using TrayIconHost::TrayIconHost;

    bool available() const override;
    bool show(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void setIcon(const QIcon& icon) override;
    void setToolTip(const QString& tip) override;
    void remove() override;

private:
    // A new one for every show(): Qt's exported menu refers to the menu it was given, which goes
    // with the tray window that owns it.
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
