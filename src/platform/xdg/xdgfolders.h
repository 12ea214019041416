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
