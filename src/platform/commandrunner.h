// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Starts an event's command line as a detached process, without a shell.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    /// Returns false when the program could not be started; error then holds the reason.
    virtual bool start(const QString& commandLine, QString* error = nullptr) = 0;
};
