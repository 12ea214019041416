// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

class QMenu;
class TrayIconHost;

/// The program's icon in the notification area. A left press silences the alarm; a right press
/// opens the tray menu, which a StatusNotifierItem host shows itself. The icon is added on
/// construction and removed on destruction.
class TTrayIcon : public QObject
{
    Q_OBJECT

public:
    /// The tip only reaches the notification area that far.
    static constexpr int maxTipLength = 63;

    /// Without an application title the icon has no tip. The menu must outlive the icon.
    TTrayIcon(TrayIconHost& host, const QIcon& icon, const QString& applicationTitle, QMenu* menu,
              QObject* parent = nullptr);
    ~TTrayIcon() override;

    /// False when the desktop has no notification area to take the icon.
    bool isAdded() const { return m_added; }

    QString Hint() const { return m_hint; }
    void setHint(const QString& hint);
    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    /// Takes the icon out of the notification area; nothing brings it back.
    void remove();

signals:
    void leftButtonDown();
    void rightButtonDown(const QPoint& cursor);

private:
    TrayIconHost& m_host;
    QIcon m_icon;
    QString m_hint;
    bool m_added = false;
};
