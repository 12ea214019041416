// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/ttrayicon.h"

#include "core/programinfo.h"
#include "platform/trayiconhost.h"

TTrayIcon::TTrayIcon(TrayIconHost& host, const QIcon& icon, const QString& applicationTitle, QMenu* menu,
                     QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_icon(icon)
{
    const QString tip = applicationTitle.isEmpty() ? QString() : ProgramInfo::title().left(maxTipLength);
    m_added = m_host.show(m_icon, tip, menu);
    if (!m_added)
        return;
    connect(&m_host, &TrayIconHost::leftPressed, this, [this] {
        if (m_added)
            emit leftButtonDown();
    });
    connect(&m_host, &TrayIconHost::rightPressed, this, [this](const QPoint& cursor) {
        if (m_added)
            emit rightButtonDown(cursor);
    });
}

TTrayIcon::~TTrayIcon()
{
    remove();
}

void TTrayIcon::setHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    if (m_added)
        m_host.setToolTip(hint.left(maxTipLength));
}

void TTrayIcon::setIcon(const QIcon& icon)
{
    if (icon.cacheKey() == m_icon.cacheKey())
        return;
    m_icon = icon;
    if (m_added)
        m_host.setIcon(m_icon);
}

void TTrayIcon::remove()
{
    if (!m_added)
        return;
    m_added = false;
    m_host.remove();
}
