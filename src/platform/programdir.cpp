// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programdir.h"

#include <QDir>

QString programDirFor(const QString& executableDir)
{
    QString dir = QDir::toNativeSeparators(executableDir);
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}
