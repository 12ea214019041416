// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/commandrunner.h"

/// Starts the command line's program directly with its arguments: no shell, so nothing in
/// the line is expanded, and the working folder is the program's own.
class ProcessCommandRunner final : public CommandRunner
{
public:
    bool start(const QString& commandLine, QString* error = nullptr) override;
};
