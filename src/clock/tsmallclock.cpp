#include "clock/tsmallclock.h"

#include "platform/dialogs.h"
#include "platform/settingsstore.h"

#include <QDir>
#include <QIcon>

TSmallClock::TSmallClock(const PlatformServices& services, const QString& executableDir, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("TSmallClock"));
    FormCreate(executableDir);
}

void TSmallClock::FormCreate(const QString& executableDir)
{
    QIcon icon;
    for (const char* name : {":/icons/zibac.png", ":/icons/zibac-64.png", ":/icons/zibac-256.png"})
        icon.addFile(QLatin1String(name));
    setWindowIcon(icon);
    m_programDir = QDir::toNativeSeparators(executableDir);
    if (!m_programDir.endsWith(QDir::separator()))
        m_programDir += QDir::separator();
}

bool TSmallClock::WriteIniToReg(const QString& /*key*/, const QString& name, const QString& value)
{
    if (m_services.settings->write(name, value))
        return true;
    m_services.dialogs->message(QStringLiteral("Failed to set data for '%1'").arg(name), Dialogs::Icon::Error);
    return false;
}

void TSmallClock::ReadIniFromReg(const QString& /*key*/, const QString& name, QString& value) const
{
    value = m_services.settings->read(name);
}

bool TSmallClock::writeSetting(const QString& name, const QString& value)
{
    return WriteIniToReg(settingsKey(), name, value);
}

QString TSmallClock::readSetting(const QString& name) const
{
    QString value;
    ReadIniFromReg(settingsKey(), name, value);
    return value;
}

void TSmallClock::ShowOnTop()
{
    if (!isVisible())
        return;
    raise();
}
