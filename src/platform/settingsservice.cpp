// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settingsservice.h"

#include "core/settingvalues.h"
#include "platform/dialogs.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>

SettingsService::SettingsService(SettingsStore& store, Dialogs& dialogs)
    : m_store(store)
    , m_dialogs(dialogs)
{}

QString SettingsService::ReadIniFromReg(const QString& name) const
{
    return m_store.read(name);
}

bool SettingsService::WriteIniToReg(const QString& name, const QString& value)
{
    if (m_store.write(name, value))
        return true;
    m_dialogs.message(QCoreApplication::translate("SettingsService", "Failed to set data for '%1'").arg(name),
                      Dialogs::Icon::Error);
    return false;
}

bool SettingsService::flag(const QString& name) const
{
    return SettingValues::flag(name, ReadIniFromReg(name));
}

bool SettingsService::writeFlag(const QString& name, bool on)
{
    return WriteIniToReg(name, SettingValues::flagText(on));
}

std::optional<int> SettingsService::integer(const QString& name, int min, int max) const
{
    return SettingValues::intInRange(ReadIniFromReg(name), min, max);
}
