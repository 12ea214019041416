// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/autostartentry.h"

/// The log-on entry as an XDG autostart file: <config>/autostart/<name>.desktop, where <config>
/// is $XDG_CONFIG_HOME, or ~/.config when that is unset or not an absolute path.
class XdgAutostartEntry final : public AutostartEntry
{
public:
    /// runningProgram: what an entry starts when the path it is given is no program. An
    /// installed program keeps its files in the user's data folder, without the executable.
    explicit XdgAutostartEntry(QString runningProgram = {});

    bool add(const QString& name, const QString& programPath, QString* error = nullptr) override;
    bool remove(const QString& name, QString* error = nullptr) override;
    QString programPath(const QString& name) const override;

    static QString autostartFolder();
    /// The file for an entry name: lower case, every character but letters, digits, '.', '_'
    /// and '-' turned into '-'; "Zib Alarm Clock v2.2" -> "zib-alarm-clock-v2.2.desktop".
    static QString fileName(const QString& name);
    static QString filePath(const QString& name);

    /// The Exec value that starts programPath with no arguments: always quoted.
    static QString execValue(const QString& programPath);
    /// The program of an Exec value: its first argument, unquoted. Empty when malformed.
    static QString programOfExec(const QString& exec);

private:
    QString m_runningProgram;
};
