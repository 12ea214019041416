// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopshell.h"

#include <QDesktopServices>

bool DesktopShell::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
