#pragma once

#include <QString>

namespace ProgramInfo {
inline QString title()
{
    return QStringLiteral("Zib Alarm Clock v2.2");
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
} // namespace ProgramInfo
