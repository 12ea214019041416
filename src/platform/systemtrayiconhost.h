#pragma once

#include "platform/trayiconhost.h"

#include <QSystemTrayIcon>

/// The notification area through QSystemTrayIcon: a StatusNotifierItem where the desktop offers
/// one, an XEmbed icon otherwise.
class SystemTrayIconHost final : public TrayIconHost
{
    Q_OBJECT

public:
    explicit SystemTrayIconHost(QObject* parent = nullptr);

    bool available() const override;
    bool show(const QIcon& icon, const QString& tip) override;
    void setIcon(const QIcon& icon) override;
    void setToolTip(const QString& tip) override;
    void remove() override;

private:
    QSystemTrayIcon m_icon;
};
