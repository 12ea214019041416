#pragma once

#include <QString>

namespace ProgramInfo {
inline QString title()
{
    return QStringLiteral("Zib Alarm Clock v2.2");
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
