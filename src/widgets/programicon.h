// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

/// The program's icon in the sizes that windows, the taskbar and the tray pick from.
inline QIcon programIcon()
{
    QIcon icon;
    for (const char* name : {":/icons/zibac.png", ":/icons/zibac-64.png", ":/icons/zibac-256.png"})
        icon.addFile(QLatin1String(name));
    return icon;
}
