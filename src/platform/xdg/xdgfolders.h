// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

/// An XDG base folder: the variable's value when it is an absolute path, else the home folder
/// followed by homeRelative ("/.config", "/.local/share").
inline QString xdgBaseFolder(const char* variable, const QString& homeRelative)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() || !QDir::isAbsolutePath(value) ? QDir::homePath() + homeRelative : value;
}

/// The program's own folder under the user's state folder: $XDG_STATE_HOME/zibac, or
/// ~/.local/state/zibac.
inline QString xdgStateFolder()
{
    return xdgBaseFolder("XDG_STATE_HOME", QStringLiteral("/.local/state")) + QStringLiteral("/zibac");
}
