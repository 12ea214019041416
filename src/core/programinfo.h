// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ProgramInfo {
/// The two parts of the settings key; joined by a blank they spell the program's title.
inline constexpr const char* organization = "Zib";
inline constexpr const char* application = "Alarm Clock v2.2";

inline QString title()
{
    return QLatin1String(organization) + QLatin1Char(' ') + QLatin1String(application);
}
/// The title without its version.
inline QString name()
{
    return QStringLiteral("Zib Alarm Clock");
}
/// What --version prints after the program's name.
inline QString version()
{
    return QStringLiteral("2.2");
}
/// Name of the single-instance lock.
inline QString instanceName()
{
    return QStringLiteral("ZibAlarmClockV2.2-06Dec2003");
}
/// The desktop's name for the program: its launcher entry, icon and AppStream id.
inline QString applicationId()
{
    return QStringLiteral(ZIB_APP_ID);
}
} // namespace ProgramInfo
