// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/programinfo.h"
#include "platform/settingsstore.h"

/// The settings key through QSettings: the registry key HKCU\SOFTWARE\Zib\Alarm Clock v2.2
/// on Windows, an INI file under the XDG config folder elsewhere.
class QSettingsStore final : public SettingsStore
{
public:
    static constexpr const char* organization = ProgramInfo::organization;
    static constexpr const char* application = ProgramInfo::application;

    QString read(const QString& name) const override;
    bool write(const QString& name, const QString& value) override;
};
