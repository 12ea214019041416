#include "platform/systemtrayiconhost.h"

#include <QCursor>

SystemTrayIconHost::SystemTrayIconHost(QObject* parent)
    : TrayIconHost(parent)
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit leftPressed(QCursor::pos());
        else if (reason == QSystemTrayIcon::Context)
            emit rightPressed(QCursor::pos());
    });
}

bool SystemTrayIconHost::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool SystemTrayIconHost::show(const QIcon& icon, const QString& tip)
{
    if (!available())
        return false;
    m_icon.setIcon(icon);
    m_icon.setToolTip(tip);
    m_icon.show();
    return true;
}

void SystemTrayIconHost::setIcon(const QIcon& icon)
{
    m_icon.setIcon(icon);
}

void SystemTrayIconHost::setToolTip(const QString& tip)
{
    m_icon.setToolTip(tip);
}

void SystemTrayIconHost::remove()
{
    m_icon.hide();
}
