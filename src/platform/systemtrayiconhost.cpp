// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemtrayiconhost.h"

#include <QCursor>
#include <QMenu>

bool SystemTrayIconHost::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool SystemTrayIconHost::show(const QIcon& icon, const QString& tip, QMenu* menu)
{
    if (!available())
        return false;
    m_icon = std::make_unique<QSystemTrayIcon>(icon);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit leftPressed(QCursor::pos());
        else if (reason == QSystemTrayIcon::Context)
            emit rightPressed(QCursor::pos());
    });
    m_icon->setToolTip(tip);
    // On a StatusNotifierItem host Qt exports the menu (com.canonical.dbusmenu) and gives it a
    // platform menu. An XEmbed icon exports nothing and would open the menu itself on a right
    // press, beside the one that the press opens through rightPressed: it keeps no menu.
    m_icon->setContextMenu(menu);
    if (menu && !menu->platformMenu())
        m_icon->setContextMenu(nullptr);
    m_icon->show();
    return true;
}

void SystemTrayIconHost::setIcon(const QIcon& icon)
{
    if (m_icon)
        m_icon->setIcon(icon);
}

void SystemTrayIconHost::setToolTip(const QString& tip)
{
    if (m_icon)
        m_icon->setToolTip(tip);
}

void SystemTrayIconHost::remove()
{
    m_icon.reset();
}
